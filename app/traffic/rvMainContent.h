// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "rvPrivatable.h"

#include <QGraphicsView>

class QPoint;
struct rvMainContentPrivate;

// The animated city block: a view owning the scene of map tiles, towers and the traffic
// that drives and walks across it.
class rvMainContent : public QGraphicsView, public rvPrivatable {
    Q_OBJECT

public:
    explicit rvMainContent(QWidget* parent = nullptr);
    ~rvMainContent() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

protected slots:
    void updateTraffic();

private:
    void buildMap(int columns, int rows, const int* cells);
    void addGenerator(int code, const QRectF& tile);
    void clearTiles();
    void addTowers(const QPoint& base);
    void startTimers();
    void createSound();

    RV_DECLARE_PRIVATE(rvMainContent)
};
