// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/inidocument.h"
#include "core/safefile.h"

#include <QString>
#include <QStringList>
#include <functional>

// The file as it was when the snapshot was taken, with the same lookup rules as the
// calls of ProfileFile.
class ProfileSnapshot {
public:
    explicit ProfileSnapshot(IniDocument document) : m_document(std::move(document)) {}

    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    qint32 ReadInteger(const QString& section, const QString& key, qint32 def) const;
    QStringList ReadSectionValues(const QString& section) const;
    const IniDocument& document() const { return m_document; }

private:
    IniDocument m_document;
};

// Changes to one file's text, applied in memory; ProfileFile::Update writes them together.
class ProfileEditor {
public:
    ProfileEditor(IniDocument& document, QString fileName)
        : m_document(document), m_fileName(std::move(fileName)) {}

    qint32 ReadInteger(const QString& section, const QString& key, qint32 def) const;
    // Throws LarkspanError "Unable to write to <file name>" for a value the file cannot hold.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, qint32 value);

private:
    IniDocument& m_document;
    QString m_fileName;
};

// An INI-style file bound to a name. Every call reads or writes the file at that moment;
// nothing is cached between calls.
class LarkspanError;

// The failure of a file that cannot be written: "Unable to write to <its path>".
LarkspanError unwritable(const QString& fileName);

class ProfileFile {
public:
    static constexpr qsizetype kMaxValueLength = 2047;
    // A larger file reads as empty and is never rewritten: parsing it would hold up the
    // program for seconds and take several times its size in memory.
    static constexpr qint64 kMaxFileSize = 64 << 20;

    explicit ProfileFile(QString fileName) : m_fileName(std::move(fileName)) {}

    QString FileName() const { return m_fileName; }

    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    qint32 ReadInteger(const QString& section, const QString& key, qint32 def) const;
    void ReadSectionValues(const QString& section, QStringList& lines) const;

    // Throw LarkspanError "Unable to write to <FileName>" when the file cannot be written.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, qint32 value);
    // Several reads and writes in one replacement of the file, under one lock: another copy
    // of the program sees all of the changes or none, and a failure leaves the file as it was.
    SafeFile::Change Update(const std::function<void(ProfileEditor&)>& change);

    // One read of the whole file, for callers that look up many keys in one go.
    ProfileSnapshot Snapshot() const;

private:
    QString m_fileName;
};
