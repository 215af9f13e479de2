#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About window: product, build, description, the developer's link and the name of the
// user running the program. Made once at start-up and shown modally again and again.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void Label1Click();
    void cmdOKClick();

private:
    void FormCreate();
    void fitNameLabel();

    QLabel* ImgLogo;
    QLabel* lblAppTitle;
    QLabel* lblVersion;
    QWidget* Spacer1;
    QLabel* StaticText1;
    QLabel* lblAurth;
    QLabel* Label1;
    QWidget* Bevel1;
    QLabel* lblReg;
    QLabel* lblName;
    QPushButton* cmdOK;
    bool m_linkPressed = false;
};
