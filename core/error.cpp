// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/error.h"

LarkspanError::LarkspanError(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message) {}

QString errorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QChar(u'.'))
        return message + u'.';
    return message;
}
