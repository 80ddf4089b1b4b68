#pragma once
// A skinned drop-down: a field showing the chosen entry and an arrow button that opens the
// list of entries below it in the parent view. Choosing an entry is reported by
// notification with the combo's own and its owner's identity strings.

#include "ListBox.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

class BitmapButton;


class ComboBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kListWidth = 67;
    static constexpr int kListHeight = 144;

    explicit ComboBox(const QRect& frame, QWidget* parent = nullptr);
    ~ComboBox() override;

    void setRealParent(const QString& parentIdentity) { strParentWindow = parentIdentity; }
    void insertString(int index, const QString& text);
    int getCount() const { return nTotalCount; }
    // After a click outside closed the list, the entry chosen before.
    int getCurSel() const { return nCurSelectIndex; }
    // Chooses the entry and shows its text; posts nothing.
    void setCurSel(int index);
    void resetContent();
    const QString& title() const { return m_title; }

    bool isListShown() const { return bShowListBox; }
    ListBox* listBox() const { return mListBox; }
    BitmapButton* spinButton() const { return m_spinButton; }

    void loadSkinBitmap();
    void relayoutContents(bool rightToLeft);

protected:
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void onSpinButton();
    void openList();
    void closeList();
    void placeList();
    void onListChanged(int entry);

    QString backgroundImageName = QStringLiteral("enter_calendar.png");
    QImage backgroundImage;
    int nBackgroundWidth = 0;
    int nBackgroundHeight = 0;
    BitmapButton* m_spinButton = nullptr;
    QPointer<ListBox> mListBox;
    bool bShowListBox = false;
    int nCurSelectIndex = 0;
    int nTotalCount = 0;
    QString m_title;
    QString strParentWindow;
    bool bDrawR2L = false;
};
