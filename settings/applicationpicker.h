// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktopentry/desktopentry.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class QListWidget;

// Lets the user choose one of the installed applications: a filter field above the list of
// names with their icons, in the order given. Made once and shown modally with fresh lists.
class ApplicationPicker : public QDialog {
    Q_OBJECT
public:
    explicit ApplicationPicker(QWidget* parent);

    // Empties the filter and shows `applications`, nothing chosen yet.
    void load(const QList<DesktopEntry>& applications);
    // The application chosen when the dialog was accepted.
    std::optional<DesktopEntry> chosen() const;

private:
    void filterChanged(const QString& text);

    QLineEdit* m_filter;
    QListWidget* m_applicationList;
    QList<DesktopEntry> m_applications;
};
