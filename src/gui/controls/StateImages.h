#pragma once
// The four state images of a skinned control: active, pressed ("_d"), roll-over ("_f") and
// disabled ("_g").

#include <QImage>
#include <QString>

struct StateImages {
    QImage active;
    QImage pressed;
    QImage rollover;
    QImage inactive;

    // Each name through the current skin; a missing image stays null and draws nothing.
    static StateImages load(const QString& base, const QString& pressed,
                            const QString& rollover, const QString& disabled);
    StateImages mirrored() const;
};

// "button_play.png" + "_d" gives "button_play_d.png".
QString pmStateImageName(const QString& baseName, const char* suffix);
