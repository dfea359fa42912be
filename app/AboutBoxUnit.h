#pragma once
// The about box: created for each showing, destroyed when it closes.

#include <QDialog>

class QLabel;
class TBitBtnXP;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);

    // The first information line with its "XXXX" replaced by `year`.
    static QString yearLine(int year);

    QLabel *Image1 = nullptr; // the large picture, or why it is missing
    QLabel *TitleLabel = nullptr;
    QLabel *Label1 = nullptr;       // copyright line with the current year
    TBitBtnXP *BitBtnXP1 = nullptr; // the web address
    TBitBtnXP *OKBtn = nullptr;

private:
    void FormCreate();
    void BitBtnXP1Click();
};
