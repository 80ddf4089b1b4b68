#pragma once
// Waiting for the pictures of both cameras without blocking the window: the answer arrives on
// the context object's thread once both are decoded.

#include <QFuture>
#include <QImage>
#include <QObject>

#include <functional>

void pmWhenPictures(QFuture<QImage> front, QFuture<QImage> rear, QObject* context,
                    std::function<void(const QImage& front, const QImage& rear)> done);
