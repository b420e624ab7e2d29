// CXmlProfile: the store of named settings the project file is made of. An ordered list of
// sections, each an ordered list of keys with string values (GBK bytes), read from and written
// to a text file in the INI form. Names are looked up ignoring the case of ASCII letters; the
// first match in list order wins; an empty name finds nothing.
//
// Written form (SaveIni): for every section with at least one key of non-empty name, a header
// "[NAME]" and one line "KEY=VALUE" per such key, each line ended by CR LF, and an empty line
// between sections. The reading rules are at ParseIni (ini_reader.h).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/archive.h"
#include "platform/linked_list.h"

namespace varno {

class CXmlProfileKey {
public:
    CXmlProfileKey(std::string name, std::string value, int readOnly)
        : name_(std::move(name)), value_(std::move(value)), readOnly_(readOnly) {}

    const std::string& Name() const { return name_; }
    const std::string& Value() const { return value_; }
    bool IsReadOnly() const { return readOnly_ != 0; }

private:
    friend class CXmlProfile;
    std::string name_;
    std::string value_;
    int readOnly_;
};

class CXmlProfileSection {
public:
    explicit CXmlProfileSection(std::string name) : name_(std::move(name)) {}

    const std::string& Name() const { return name_; }
    bool IsReadOnly() const { return readOnly_ != 0; }
    const CLinkedList<CXmlProfileKey>& Keys() const { return keys_; }
    CXmlProfileKey* FindKey(std::string_view name) const;

private:
    friend class CXmlProfile;
    std::string name_;
    int readOnly_ = 0;
    CLinkedList<CXmlProfileKey> keys_;
};

// The element of the arrays GetSection and WriteSection exchange.
struct CProfileKeyRecord {
    std::string name;
    std::string value;
    int readOnly = 0;
};

// The element of the GetSectionNames array.
struct CProfileSectionName {
    std::string name;
    int readOnly = 0;
};

class CXmlProfile {
public:
    // Empties the profile and reads the file. False, with the profile empty, when the file is
    // missing, unreadable or empty.
    bool LoadIni(const std::string& path);
    // Writes the profile to the path of the last load, or to the given path, replacing the file
    // only once the new one is complete. False when nothing was written (an empty file is left)
    // or the file could not be written (the old one stays; the reason goes to error).
    bool SaveIni(std::string* error = nullptr) const;
    bool SaveIni(const std::string& path, std::string* error = nullptr) const;
    // Writes the INI text, piece by piece; false when there was nothing to write.
    bool WriteIni(CArchive& ar) const;

    CXmlProfileSection* FindSection(std::string_view name) const;
    CXmlProfileKey* FindKey(std::string_view section, std::string_view key) const;
    CXmlProfileKey* FindKey(const CXmlProfileSection* section, std::string_view key) const;
    // The stored value, or the default when the section or key is missing.
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultValue) const;

    // Creates or changes a key. A null key removes the whole section; a null value removes
    // every key of that name. Returns the key written, or null when nothing was written
    // (empty section name, read-only section or key, removals).
    CXmlProfileKey* WriteString(std::string_view section, std::optional<std::string_view> key,
                                std::optional<std::string_view> value, int readOnly = 0);
    // WriteString for every record in order; true when any record was written.
    bool WriteSection(std::string_view section, std::span<const CProfileKeyRecord> records);
    std::vector<CProfileKeyRecord> GetSection(std::string_view section) const;
    std::vector<CProfileSectionName> GetSectionNames() const;

    std::size_t GetKeyCount(std::string_view section) const;
    std::size_t GetSectionCount() const { return sections_.GetCount(); }
    bool KeyExists(std::string_view section, std::string_view key) const;
    bool SectionExists(std::string_view section) const;

    void SetReadOnly(CXmlProfileKey& key, int readOnly);
    void SetReadOnly(CXmlProfileSection& section, int readOnly);
    void RemoveAll();

    const CLinkedList<CXmlProfileSection>& Sections() const { return sections_; }
    const std::string& Path() const { return path_; }
    bool IsLoaded() const { return loaded_ != 0; }
    bool IsModified() const { return modified_ != 0; }
    void SetModified(bool modified) { modified_ = modified ? 1 : 0; }

private:
    CLinkedList<CXmlProfileSection> sections_;
    std::string path_;
    int loaded_ = 0;
    int modified_ = 0;
};

}  // namespace varno
