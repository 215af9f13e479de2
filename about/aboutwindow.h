// SPDX-License-Identifier: GPL-3.0-or-later
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
    void openWebSite();
    void closeWindow();

private:
    void showUserName();
    void fitNameLabel();

    QLabel* m_logo;
    QLabel* m_title;
    QLabel* m_version;
    QWidget* m_spacer;
    QLabel* m_copyright;
    QLabel* m_author;
    QLabel* m_webSite;
    QWidget* m_bevel;
    QLabel* m_userLabel;
    QLabel* m_userName;
    QPushButton* m_okButton;
    bool m_linkPressed = false;
};
