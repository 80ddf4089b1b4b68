#pragma once
// The identity string of a control or panel: the text form of the object, "<ClassName: 0x…>",
// unique while the object lives. Controls send their own and their owner's with every
// notification, and receivers recognise their controls by comparing these strings.

#include <QObject>
#include <QString>

inline QString pmIdentityString(const QObject* object)
{
    return QString("<%1: 0x%2>")
        .arg(QString::fromLatin1(object->metaObject()->className()))
        .arg(reinterpret_cast<quintptr>(object), 0, 16);
}
