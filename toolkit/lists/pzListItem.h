#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QAbstractButton>

class pzListItemPrivate;

// One entry of a list menu: an icon and a line of text with hovered, pressed and selected looks.
class PZTOOLS_EXPORT pzListItem : public QAbstractButton, public pzPrivatable {
    Q_OBJECT
    Q_PROPERTY(bool entered READ entered)
    Q_PROPERTY(bool pushed READ pushed)

public:
    explicit pzListItem(QWidget* parent = nullptr);
    pzListItem(const QIcon& icon, const QString& text, QWidget* parent = nullptr);
    ~pzListItem() override;

    bool entered() const;
    bool pushed() const;
    // Whether the item is its list menu's current item.
    bool isSelected() const;

    QSize sizeHint() const override;

public slots:
    void select();
    void unselect();

protected slots:
    void resetPushed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void init();
    void setHoverLook(bool hovered);
    void paintCaption(QPainter& painter, const QRect& content);

    PZ_DECLARE_PRIVATE(pzListItem)
};
