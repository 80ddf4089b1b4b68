#include "TrackExportDialog.h"

#include "LocalizedText.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>

namespace {

// In the order of ExportFormat.
const QStringList kFilters{"GPX 1.1 (*.gpx)", "KML (*.kml)", "CSV (*.csv)"};

ExportFormat formatOfFilter(const QString& filter)
{
    const qsizetype at = kFilters.indexOf(filter);
    return at < 0 ? ExportFormat::Kml : static_cast<ExportFormat>(at);
}

} // namespace

TrackExportDialog::TrackExportDialog(QWidget* parent, const QString& folder, const Names& names)
    : QFileDialog(parent, QString(), folder), mNames(names)
{
    setObjectName("trackExportDialog");
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setWindowModality(Qt::WindowModal);
    // KML first, as the button always offered it.
    setNameFilters({kFilters[1], kFilters[0], kFilters[2]});

    mScopeBox = new QComboBox(this);
    mScopeBox->setObjectName("exportScope");
    auto* label = new QLabel(this);
    label->setObjectName("exportScopeLabel");
    label->setBuddy(mScopeBox);
    // The file dialog's own grid: the scope goes on a row of its own under the file type.
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(mScopeBox, row, 1);
    }
    changeLanguage();

    connect(mScopeBox, &QComboBox::currentIndexChanged, this, &TrackExportDialog::suggestName);
    connect(this, &QFileDialog::filterSelected, this, &TrackExportDialog::followFormat);
    connect(this, &QFileDialog::fileSelected, this,
            [this](const QString& path) { emit exportChosen(path, scope(), format()); });
    suggestName();
}

void TrackExportDialog::changeLanguage()
{
    setWindowTitle(pmLoadString("IDS_EXPORT_TRACK"));
    if (auto* label = findChild<QLabel*>("exportScopeLabel"))
        label->setText(pmLoadString("IDS_EXPORT_SCOPE"));
    const QVariant chosen = mScopeBox->currentData();
    const QSignalBlocker quiet(mScopeBox);
    mScopeBox->clear();
    const struct {
        const char* text;
        ExportScope scope;
        const QString& name;
    } items[] = {{"IDS_EXPORT_THIS_RECORDING", ExportScope::Recording, mNames.recording},
                 {"IDS_EXPORT_THIS_TRIP", ExportScope::Trip, mNames.trip},
                 {"IDS_EXPORT_THIS_DAY", ExportScope::Day, mNames.day}};
    for (const auto& item : items)
        if (!item.name.isEmpty())
            mScopeBox->addItem(pmLoadString(item.text), static_cast<int>(item.scope));
    mScopeBox->setCurrentIndex(std::max(0, mScopeBox->findData(chosen)));
}

ExportScope TrackExportDialog::scope() const
{
    return static_cast<ExportScope>(mScopeBox->currentData().toInt());
}

ExportFormat TrackExportDialog::format() const
{
    return formatOfFilter(selectedNameFilter());
}

void TrackExportDialog::suggestName()
{
    const QString& base = scope() == ExportScope::Trip  ? mNames.trip
                          : scope() == ExportScope::Day ? mNames.day
                                                        : mNames.recording;
    const QString suffix = pmExportExtension(format());
    setDefaultSuffix(suffix);
    selectFile(base + "." + suffix);
}

void TrackExportDialog::followFormat()
{
    const QString suffix = pmExportExtension(format());
    setDefaultSuffix(suffix);
    const QStringList chosen = selectedFiles();
    if (!chosen.isEmpty())
        selectFile(QFileInfo(chosen.first()).completeBaseName() + "." + suffix);
}
