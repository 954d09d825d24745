#pragma once
// Mouse input sent straight to a widget, with the held buttons stated.

#include <QPoint>
#include <Qt>

class QWidget;

void SendPress(QWidget* widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
void SendMove(QWidget* widget, QPoint pos, Qt::MouseButtons held = Qt::LeftButton);
void SendRelease(QWidget* widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
// Press at from, move to each point in turn, release at the last one.
void SendDrag(QWidget* widget, QPoint from, std::initializer_list<QPoint> path);
