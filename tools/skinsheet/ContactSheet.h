#pragma once
// A sheet of labelled pictures laid out in rows, written as one PNG for a person to look at.

#include <QImage>
#include <QString>
#include <vector>

class ContactSheet {
public:
    ContactSheet(const QString& title, int width);

    void add(const QImage& picture, const QString& label);
    // Starts a new row with a heading.
    void addHeading(const QString& heading);
    QImage render() const;

private:
    struct Cell {
        QImage picture;
        QString label;
        bool heading = false;
    };
    QString mTitle;
    int mWidth;
    std::vector<Cell> mCells;
};
