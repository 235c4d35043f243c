// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// TMyMemIniFile: an INI file held in memory and bound to a file.
//
// Sections and keys compare without case and keep their order. Values are
// stored as given; a value holding a line break, or wrapped in double
// quotes, is written quoted with backslash escapes so the file stays one
// line per key and reads back exactly. Integers are decimal, Booleans "1" or
// "0", floats the shortest decimal text with the locale's decimal separator.
//
// Lists (WriteMultiString) live in the section beside its other keys:
//   _count=N        number of entries
//   _per=G          entries per line
//   _line0=...      G entries, escaped (\\ \n \r) and joined by "\|"
//   _obj5=7         the object value of entry 5, when not 0
// The bound of WriteMultiString is the number of entries per line (G): it
// keeps lines of long lists, such as memo texts, to a readable size. It
// never drops an entry: every line a user typed into a memo is kept.
#include "../qz8_export.h"
#include "../store/Strings.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

namespace qz8 {

/// The suite's in-memory ini file: sections of keys and values, read from a bound file at the first access and written
/// back whole (atomically) by UpdateFile. Section and key names compare without case.
class QZ8_STORE_EXPORT TMyMemIniFile {
public:
    /// Bound to fileName; holds its content when the file exists and can be
    /// read. A damaged file keeps every line that parses. The file is read at
    /// the first access, so one that is cleared first is never parsed.
    explicit TMyMemIniFile(const QString& fileName);

    /// The bound file.
    QString FileName() const { return fFileName; }
    /// Reads the bound file now, if it has not been read. A missing file (or
    /// a folder) is empty content; a file that is not a regular file (a FIFO, a device, a
    /// socket), that cannot be opened, or that is larger than
    /// kMaxIniFileBytes raises Exception naming it, and the content stays
    /// empty. Reads call it too.
    void Load() const;
    /// Reads the bound file again, unless it holds the very text the content
    /// was read from (then nothing is parsed again): true when it was read
    /// again. For a content not changed since it was read (a writer about to
    /// edit the file as it is on disk now): changes made since stay when the
    /// file did not change, and are lost when it did. Errors as Load; a
    /// missing file (or a link to none) reads as empty.
    bool Reload();
    /// 16 MiB: a form state file of 10,000 controls with long memos is a few
    /// MiB, so four times that is still a sound file; a larger one is damaged
    /// (or something endless), and reading it whole would only exhaust memory.
    static constexpr qint64 kMaxIniFileBytes = 16 * 1024 * 1024;
    /// Empties the content (the file is not touched until UpdateFile).
    void Clear();
    /// Writes the whole content to the bound file, atomically, through a
    /// temporary "<file>.qz8-save-XXXXXX" beside it. On failure raises
    /// Exception naming the file; the previous file stays whole. Temporaries
    /// that killed saves left are removed once ten minutes old; no other file
    /// beside it is touched.
    void UpdateFile() const;
    /// What UpdateFile does with the text of a content, for a save made away
    /// from the content (on another thread).
    static void WriteFileText(const QString& fileName, const QString& text, bool ownerOnly);
    ///@{
    /// A file that holds a secret is written readable and writable by its
    /// owner only (0600 on Linux); otherwise a new file gets the user's umask
    /// and a replaced one keeps its permissions.
    void SetOwnerOnly(bool ownerOnly) { fOwnerOnly = ownerOnly; }
    bool OwnerOnly() const { return fOwnerOnly; }
    ///@}

    ///@{
    /// The value of a key, def when the section or key is missing (or, for numbers and truth values, when the text is
    /// not one).
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    int ReadInteger(const QString& section, const QString& key, int def) const;
    bool ReadBool(const QString& section, const QString& key, bool def) const;
    double ReadFloat(const QString& section, const QString& key, double def) const;
    ///@}
    ///@{
    /// Sets the value of a key, adding the section and key when they are new.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);
    void WriteFloat(const QString& section, const QString& key, double value);
    ///@}

    /// Replaces the list's contents with the stored list; a section without
    /// a stored list leaves the list unchanged.
    void ReadMultiString(const QString& section, TStrings& list) const;
    /// Stores the list as the section's contents (at most bound entries when bound is positive).
    void WriteMultiString(const QString& section, const TStrings& list, int bound = 0);

    /// True when the section exists.
    bool SectionExists(const QString& section) const;
    /// True when the key exists in the section.
    bool ValueExists(const QString& section, const QString& key) const;
    /// True when the key exists and holds exactly value (no copy is made).
    /// \since 0.3
    bool ValueIs(const QString& section, const QString& key, QStringView value) const;
    /// True when some section's key holds exactly value: one pass, no look-up.
    /// \since 0.3
    bool AnyValueIs(const QString& key, QStringView value) const;
    /// The names of the sections, in file order.
    QStringList ReadSections() const;
    /// The keys of a section, in file order.
    QStringList ReadSection(const QString& section) const;
    /// Removes a section with its keys.
    void EraseSection(const QString& section);
    /// Gives a section another name where it stands, with its keys: false
    /// (and nothing changed) when there is no section from, or another
    /// section is named to already. A change of case only is a rename.
    bool RenameSection(const QString& from, const QString& to);
    /// Renames, where they stand and in one pass, every section for which
    /// newName gives another name (an empty name, or the same name without
    /// case, leaves it). False, with clash set and nothing changed, when two
    /// sections would then share a name; renamed gets each (old, new) pair
    /// in file order. A chain (A to B while B goes to C) is allowed.
    /// \since 0.3
    bool RenameSections(const std::function<QString(const QString& section)>& newName,
                        QList<std::pair<QString, QString>>& renamed, QString& clash);
    /// Removes a key.
    void DeleteKey(const QString& section, const QString& key);
    /// Makes the section hold exactly these keys and values, in this order, where it stands in the file (at the end
    /// when new).
    /// \since 0.3
    void ReplaceSection(const QString& section, const QList<std::pair<QString, QString>>& entries);

    ///@{
    /// The content as file text, and parsing of file text.
    QString ToText() const;
    void SetText(const QString& text);
    ///@}

    /// A key that hashes and compares without case, without folded copies.
    /// It views a name the content holds (a section's or an entry's), so a
    /// look-up copies no string.
    struct Name {
        /// A name's hash is made once: growing an index, or a look-up that
        /// meets other names, folds no text again.
        explicit Name(QStringView name) noexcept;
        QStringView text; ///< the name as written
        size_t hash; ///< of the text without case
        /// Names are equal when they are equal without case.
        friend bool operator==(const Name& a, const Name& b) noexcept;
    };

private:
    using Index = QHash<Name, int>;
    struct Section {
        QString name;
        std::vector<std::pair<QString, QString>> entries;
        /// key -> position in entries; built only for sections of many keys,
        /// a few keys are found faster by a scan.
        Index index;
        /// Erased: found by no look-up; its place (and its name, which the
        /// section index may still view) is given back later.
        bool dead = false;
    };
    static int FindKey(const Section& s, QStringView key);
    QString FileText() const;
    /// Parses file text into the (still empty) content.
    void Parse(const QString& text) const;
    /// The place of a section that is there (not erased), or -1.
    int FindIndex(const QString& section) const;
    const Section* Find(const QString& section) const;
    /// Find, for a change: a section that is there (not erased), or nullptr.
    Section* FindLive(const QString& section);
    Section& Ensure(const QString& section) const;
    /// Gives back the places of erased sections once they are half of all.
    void Compact();
    const QString* Value(const QString& section, const QString& key) const;
    static void Put(Section& s, const QString& key, const QString& value, bool replace);
    /// Adds an entry (a key not in the section, or a kept line) at the end.
    static void Append(Section& s, const QString& key, const QString& value);
    static void Reindex(Section& s);

    /// Text read from a file stays here: parsed keys and values refer into it
    /// without copies, and are copied only when handed out (Owned).
    QString Owned(const QString& s) const;
    /// The content is read from the file at the first access, also through a
    /// const object: it is state of the object's own, hence mutable.
    mutable QString fText;
    QString fFileName;
    mutable std::vector<Section> fSections;
    /// Lines before the first section (comments, a note), kept as they stand.
    mutable QStringList fPreamble;
    mutable Index fSectionIndex;
    mutable int fDeadSections = 0; ///< erased sections whose places are not given back yet
    mutable int fLastRead = -1; ///< reads come section by section
    mutable bool fLoaded = false;
    bool fOwnerOnly = false;
};

/// The hash of a name, without case.
QZ8_STORE_EXPORT size_t qHash(const TMyMemIniFile::Name& key, size_t seed = 0) noexcept;

} // namespace qz8
