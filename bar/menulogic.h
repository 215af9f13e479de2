// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/menufile.h"

#include <QChar>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

// The pure rules of the launcher menu, applied to the captions of a freshly built menu.

// The upper-case access key a caption marks with a single "&", if it is a digit or letter.
std::optional<QChar> markedAccessKey(const QString& caption);

// Gives every caption that can have one a distinct access key: marked keys are kept in menu
// order unless taken, then unmarked captions take their first free character. Separators
// ("-") and empty captions are left as they are.
QStringList applyAccessKeys(const QStringList& captions);

// Which items stay shown: no separator before the first or after the last other item, and of
// a run of separators only the last.
QList<bool> visibleBySeparatorRule(const QStringList& captions);

// The item a typed character chooses or highlights: among the items carrying it as access
// key, else among the items without one whose caption starts with it (both case-blind). The
// search starts after `current` and wraps; `chooses` is true when exactly one item matched.
struct KeyMatch {
    int index = -1;
    bool chooses = false;
};
KeyMatch matchTypedCharacter(const QStringList& captions, const QList<bool>& selectable,
                             QChar typed, int current);

// Where a pop-up menu of `menu` size goes on `screen` beside `anchor` (a point or the bar):
// its top-left at the anchor's bottom-left when it fits below, else its bottom-left at the
// anchor's top-left when it fits above, else on the larger side, cut to that side's height
// (it scrolls). It never covers the anchor and is pushed left to stay on the screen.
QRect placeMenu(const QSize& menu, const QRect& anchor, const QRect& screen);
