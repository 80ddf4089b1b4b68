#pragma once
// The save dialog of the export button: what to export (this recording, its trip, its day),
// the format (KML, GPX 1.1, CSV) and the file. Choosing a scope suggests its name; choosing a
// format changes the extension of the name in the box, typed or suggested.

#include "export/TrackExport.h"
#include "trips/ExportScope.h"

#include <QFileDialog>

class QComboBox;

class TrackExportDialog : public QFileDialog {
    Q_OBJECT
public:
    // The names offered for the file of each scope, without extension; a scope whose name is
    // empty is not offered (its trip or day holds nothing but the recording).
    struct Names {
        QString recording;
        QString trip;
        QString day;
    };
    TrackExportDialog(QWidget* parent, const QString& folder, const Names& names);

    ExportScope scope() const;
    ExportFormat format() const;
    QComboBox* scopeBox() const { return mScopeBox; }

    // Changes the language of the scope texts and the title.
    void changeLanguage();

signals:
    void exportChosen(const QString& path, ExportScope scope, ExportFormat format);

private:
    void suggestName();
    void followFormat();

    Names mNames;
    QComboBox* mScopeBox = nullptr;
};
