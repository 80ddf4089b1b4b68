#pragma once
// A skinned check box with a title: the category boxes of the file list panel. It reports a
// click by notification with its own and its owner's identity strings.

#include "controls/StateImages.h"

#include <QRectF>
#include <QWidget>

class CheckBox : public QWidget {
    Q_OBJECT
public:
    explicit CheckBox(const QRect& frame, QWidget* parent = nullptr);

    void setTitle(const QString& title);
    const QString& title() const { return mTitle; }
    void setRealParent(const QString& parentIdentity) { strParentWindow = parentIdentity; }
    void setCheck(bool checked);
    // What a click does: flips the mark and reports it; a disabled box ignores it.
    void toggleByUser();
    void enableCheckBox(bool enabled);
    bool isCheckBoxEnabled() const { return bCheckboxEnable; }
    bool isButtonChecked() const { return bButtonIsCheck; }
    int checkBoxState() const { return nCheckBoxState; }
    // The image drawn for the current state.
    const QImage& shownImage() const;

    void loadSkinBitmap();
    void relayoutContents(bool rightToLeft);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setState(int state);

    bool bButtonIsCheck = false;
    bool bCheckboxEnable = false;
    bool bDrawR2L = false;
    int nCheckBoxState = 0;
    QString mTitle;
    QString strParentWindow;
    StateImages oCheckImage;   // drawn when checked
    StateImages oUncheckImage; // drawn when not checked
    QRectF rectCheckBox, rectText;
};
