#pragma once

#include "pzBoxPanel.h"
#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QWidget>

class pzBoxPrivate;
class pzListPage;

// A frameless top-level window with its own rim, title bar, side panel and corner grips.
class PZTOOLS_EXPORT pzBox : public QWidget, public pzPrivatable {
    Q_OBJECT
    Q_PROPERTY(bool maximized READ isMaximized)
    Q_PROPERTY(pzBoxPanel* panel READ panel)

public:
    explicit pzBox(QWidget* parent = nullptr);
    ~pzBox() override;

    void setContent(QWidget* widget);
    void setMenu(pzListPage* page);

    pzBoxPanel* panel() const;
    // The box's own flag: the window system's maximize is not used.
    bool isMaximized() const;

    virtual void showPanel();
    virtual void hidePanel();

public slots:
    virtual void togglePanel();
    virtual void toggleWindow();
    virtual void setTitle(const QString& title);
    virtual void showMaximized();
    virtual void showNormal();
    virtual void setWindowIcon(const QIcon& icon);
    virtual void centerOnScreen();

protected:
    pzBox(pzBoxPrivate* d, QWidget* parent);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void init();
    void setGripsVisible(bool visible);

    PZ_DECLARE_PRIVATE(pzBox)
};
