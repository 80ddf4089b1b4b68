#include "ComboBox.h"

#include "ListBox.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "SkinImages.h"
#include "controls/ViewGeometry.h"
#include "controls/BitmapButton.h"
#include "controls/AccessibleNotice.h"
#include "controls/IdentityString.h"

#include <QPainter>

#include <cmath>

ComboBox::ComboBox(const QRect& frame, QWidget* parent) : QWidget(parent)
{
    setGeometry(frame);
    backgroundImage = pmGetSkinImage(backgroundImageName);
    nBackgroundWidth = backgroundImage.width();
    nBackgroundHeight = backgroundImage.height();
    const QSize spin = pmGetSkinImage("button_enter.png").size();
    m_spinButton = BitmapButton::windowButtonWithSize(spin.width(), spin.height(), this);
    m_spinButton->setBitmapButton("button_enter.png");
    connect(m_spinButton, &BitmapButton::clicked, this, &ComboBox::onSpinButton);
    mListBox = new ListBox(QRect(0, 0, kListWidth, kListHeight), parent);
    mListBox->setRealParent(pmIdentityString(this));
    mListBox->hide();
    NotificationCenter::defaultCenter().addObserver(this, kListBoxChangedNotification, [this](const Notification& n) {
        if (n.userInfo.value(kParentWindowKey).toString() == pmIdentityString(this))
            onListChanged(n.object.toInt());
    });
    relayoutContents(false);
}

ComboBox::~ComboBox()
{
    NotificationCenter::defaultCenter().removeObserver(this);
    delete mListBox.data();
}

void ComboBox::relayoutContents(bool rightToLeft)
{
    bDrawR2L = rightToLeft;
    const QSize spin = m_spinButton->size();
    QRectF rectSpin(nBackgroundWidth - spin.width() - 4, (nBackgroundHeight - spin.height()) / 2, spin.width(),
                    spin.height());
    if (rightToLeft)
        rectSpin = pmMirrorRect(rectSpin, nBackgroundWidth);
    m_spinButton->setGeometry(pmYUpToQt(rectSpin, height()));
    m_spinButton->setButtonFlipped(rightToLeft);
    mListBox->relayoutContents(rightToLeft, mListBox->size());
    update();
}

void ComboBox::loadSkinBitmap()
{
    backgroundImage = pmGetSkinImage(backgroundImageName);
    m_spinButton->setBitmapButton("button_enter.png");
    mListBox->loadSkinBitmap();
    relayoutContents(bDrawR2L);
}

void ComboBox::insertString(int index, const QString& text)
{
    mListBox->insertString(index, text);
    ++nTotalCount;
}

void ComboBox::setCurSel(int index)
{
    nCurSelectIndex = index;
    mListBox->setCurSel(index);
    m_title = mListBox->getText(index);
    pmAccessibleValueChanged(this, m_title);
    update();
}

void ComboBox::resetContent()
{
    mListBox->resetContent();
    nTotalCount = 0;
    nCurSelectIndex = 0;
}

void ComboBox::placeList()
{
    // Directly below the field, in the parent's view.
    mListBox->setGeometry(x(), y() + height(), kListWidth, kListHeight);
}

void ComboBox::moveEvent(QMoveEvent*)
{
    placeList();
}

void ComboBox::onSpinButton()
{
    if (bShowListBox)
        closeList();
    else
        openList();
}

void ComboBox::openList()
{
    if (mListBox->parentWidget() != parentWidget())
        mListBox->setParent(parentWidget());
    placeList();
    mListBox->show();
    mListBox->raise();
    mListBox->setCaptureMouseEvent();
    bShowListBox = true;
}

void ComboBox::closeList()
{
    mListBox->clearCaptureMouseEvent();
    mListBox->hide();
    bShowListBox = false;
}

void ComboBox::onListChanged(int entry)
{
    // An outside click (-1) closes the list and keeps the entry chosen before.
    if (entry >= 0)
        nCurSelectIndex = entry;
    if (bShowListBox)
        closeList();
    if (entry < 0)
        return;
    m_title = mListBox->getText(entry);
    pmAccessibleValueChanged(this, m_title);
    update();
    NotificationCenter::defaultCenter().postNotification(
        kComboBoxChangedNotification, entry,
        {{kParentWindowKey, strParentWindow}, {kComboWindowKey, pmIdentityString(this)}});
}

void ComboBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int x = int(std::ceil((width() - backgroundImage.width()) / 2.0));
    const int y = int(std::ceil((height() - backgroundImage.height()) / 2.0));
    painter.drawImage(x, y, backgroundImage);
    if (m_title.isEmpty())
        return;
    QFont font("Helvetica");
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(Qt::black);
    QRect text = rect();
    if (bDrawR2L)
        text.setLeft(m_spinButton->width());
    else
        text.setRight(width() - m_spinButton->width());
    painter.drawText(text, Qt::AlignCenter, m_title);
}
