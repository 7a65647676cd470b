#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QAbstractButton>
#include <QColor>

class pzFadeButtonPrivate;

// An icon button drawn at its top-left corner over a hover wash or a pressed/checked colour.
class PZTOOLS_EXPORT pzFadeButton : public QAbstractButton, public pzPrivatable {
    Q_OBJECT
    Q_PROPERTY(QString path READ path)
    Q_PROPERTY(bool entered READ entered)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor backColorPush READ backColorPush WRITE setBackColorPush)
    Q_PROPERTY(bool pushed READ pushed)

public:
    explicit pzFadeButton(const QString& path, QWidget* parent = nullptr);
    ~pzFadeButton() override;

    QString path() const;
    bool entered() const;
    bool pushed() const;

    QColor backColor() const;
    QColor backColorPush() const;
    void setBackColor(const QColor& color);
    void setBackColorPush(const QColor& color);

    QSize sizeHint() const override;

protected:
    pzFadeButton(pzFadeButtonPrivate& d, const QString& path, QWidget* parent);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

protected slots:
    void resetPushed();

private:
    PZ_DECLARE_PRIVATE(pzFadeButton)
};
