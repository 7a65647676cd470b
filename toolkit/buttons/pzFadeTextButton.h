#pragma once

#include "pzFadeButton.h"
#include "pzToolsExport.h"

class pzFadeTextButtonPrivate;

// A fade button with a text label beside its icon, underlined under a pointing hand on hover.
class PZTOOLS_EXPORT pzFadeTextButton : public pzFadeButton {
    Q_OBJECT

public:
    explicit pzFadeTextButton(QWidget* parent = nullptr);
    pzFadeTextButton(const QString& path, const QString& text, QWidget* parent = nullptr);
    ~pzFadeTextButton() override;

    // These hide QAbstractButton's text: the label shows the text, markup included.
    QString text() const;
    void setText(const QString& text);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    PZ_DECLARE_PRIVATE(pzFadeTextButton)
};
