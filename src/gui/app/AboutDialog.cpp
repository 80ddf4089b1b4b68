#include "AboutDialog.h"

#include "AppVersion.h"
#include "LocalizedText.h"
#include "SkinImages.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName("AboutDialog");
    setWindowTitle(pmLoadString("IDS_ABOUT"));
    auto* logo = new QLabel(this);
    QImage image = pmGetSkinImage("icon_logo.png");
    if (image.isNull())
        image = QImage(":/desktop/korivmanager.png");
    logo->setPixmap(QPixmap::fromImage(image.scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    auto* text = new QLabel(pmLoadString("IDS_VERSION_COPYRIGHT").arg(pmGetVersion()), this);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* title = new QLabel("<b>" + pmLoadString("IDR_MAINFRAME").toHtmlEscaped() + "</b>", this);

    auto* textColumn = new QVBoxLayout;
    textColumn->addWidget(title);
    textColumn->addWidget(text);
    textColumn->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(logo, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addLayout(textColumn);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(pmLoadString("IDS_OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
