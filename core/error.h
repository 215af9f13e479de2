// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

// The one failure type of the program: its message is the text the user sees.
class LarkspanError : public std::runtime_error {
public:
    explicit LarkspanError(const QString& message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// The text of the error box: a full stop is added when the last character sorts after ".".
QString errorBoxText(const QString& message);
