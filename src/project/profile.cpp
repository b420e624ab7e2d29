#include "project/profile.h"

#include "platform/atomic_file.h"
#include "platform/codepage.h"
#include "platform/text_file.h"
#include "project/ini_reader.h"

namespace varno {

namespace {

template <class T>
T* FindByName(const CLinkedList<T>& list, std::string_view name) {
    if (name.empty()) {
        return nullptr;
    }
    for (T& item : list) {
        if (MbEqualNoCase(item.Name(), name)) {
            return &item;
        }
    }
    return nullptr;
}

}  // namespace

CXmlProfileKey* CXmlProfileSection::FindKey(std::string_view name) const {
    return FindByName(keys_, name);
}

bool CXmlProfile::LoadIni(const std::string& path) {
    RemoveAll();
    path_ = path;
    loaded_ = 1;
    auto bytes = ReadWholeFile(path, MAX_TEXT_FILE);
    if (!bytes || bytes->empty()) {
        return false;
    }
    // The sections are fresh and writable, so storing the parsed entries directly is what
    // WriteString would do for each of them.
    for (CIniSection& parsed : ParseIni(*bytes)) {
        auto section = std::make_unique<CXmlProfileSection>(std::move(parsed.name));
        for (auto& [key, value] : parsed.entries) {
            section->keys_.AddTail(
                std::make_unique<CXmlProfileKey>(std::move(key), std::move(value), 0));
            modified_ = 1;
        }
        sections_.AddTail(std::move(section));
    }
    return true;
}

bool CXmlProfile::SaveIni(std::string* error) const {
    return SaveIni(path_, error);
}

bool CXmlProfile::SaveIni(const std::string& path, std::string* error) const {
    if (path.empty()) {
        if (error != nullptr) {
            *error = "no file name";
        }
        return false;
    }
    bool wroteAny = false;
    try {
        CAtomicFile file(path);
        wroteAny = WriteIni(file.Archive());
        file.Commit();
    } catch (const CFileException& e) {
        if (error != nullptr) {
            *error = e.what();
        }
        return false;
    }
    if (!wroteAny && error != nullptr) {
        *error = "nothing to write";
    }
    return wroteAny;
}

bool CXmlProfile::WriteIni(CArchive& ar) const {
    bool wroteAny = false;
    for (const CXmlProfileSection& section : sections_) {
        bool headerWritten = false;
        for (const CXmlProfileKey& key : section.Keys()) {
            if (key.Name().empty()) {
                continue;
            }
            if (!headerWritten) {
                ar.WriteBytes((wroteAny ? "\r\n[" : "[") + section.Name() + "]\r\n");
                headerWritten = true;
                wroteAny = true;
            }
            ar.WriteBytes(key.Name() + "=" + key.Value() + "\r\n");
        }
    }
    return wroteAny;
}

CXmlProfileSection* CXmlProfile::FindSection(std::string_view name) const {
    return FindByName(sections_, name);
}

CXmlProfileKey* CXmlProfile::FindKey(std::string_view section, std::string_view key) const {
    return FindKey(FindSection(section), key);
}

CXmlProfileKey* CXmlProfile::FindKey(const CXmlProfileSection* section,
                                     std::string_view key) const {
    return section != nullptr ? section->FindKey(key) : nullptr;
}

std::string CXmlProfile::GetString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const {
    const CXmlProfileKey* found = FindKey(section, key);
    return std::string(found != nullptr ? std::string_view(found->Value()) : defaultValue);
}

CXmlProfileKey* CXmlProfile::WriteString(std::string_view sectionName,
                                         std::optional<std::string_view> key,
                                         std::optional<std::string_view> value, int readOnly) {
    if (sectionName.empty()) {
        return nullptr;
    }
    CXmlProfileSection* section = FindSection(sectionName);
    if (section == nullptr) {
        section =
            &sections_.AddTail(std::make_unique<CXmlProfileSection>(std::string(sectionName)));
        modified_ = 1;
    }
    if (section->IsReadOnly()) {
        return nullptr;
    }
    if (!key) {
        sections_.RemoveAt(sections_.IndexOf(section));
        modified_ = 1;
        return nullptr;
    }
    if (CXmlProfileKey* existing = section->FindKey(*key)) {
        if (existing->IsReadOnly()) {
            return nullptr;
        }
        if (value) {
            existing->value_ = std::string(*value);
            modified_ = 1;
            return existing;
        }
        // Every key of that name goes, read-only or not: the first match decided.
        for (std::size_t i = section->keys_.GetCount(); i-- > 0;) {
            if (MbEqualNoCase(section->keys_.GetAt(i)->Name(), *key)) {
                section->keys_.RemoveAt(i);
            }
        }
        modified_ = 1;
        return nullptr;
    }
    modified_ = 1;
    return &section->keys_.AddTail(std::make_unique<CXmlProfileKey>(
        std::string(*key), std::string(value.value_or(std::string_view())), readOnly));
}

bool CXmlProfile::WriteSection(std::string_view section,
                               std::span<const CProfileKeyRecord> records) {
    if (section.empty() || records.empty()) {
        return false;
    }
    bool any = false;
    for (const CProfileKeyRecord& record : records) {
        if (WriteString(section, record.name, record.value, record.readOnly) != nullptr) {
            any = true;
        }
    }
    return any;
}

std::vector<CProfileKeyRecord> CXmlProfile::GetSection(std::string_view section) const {
    std::vector<CProfileKeyRecord> records;
    if (const CXmlProfileSection* found = FindSection(section)) {
        for (const CXmlProfileKey& key : found->Keys()) {
            records.push_back({key.Name(), key.Value(), key.readOnly_});
        }
    }
    return records;
}

std::vector<CProfileSectionName> CXmlProfile::GetSectionNames() const {
    std::vector<CProfileSectionName> names;
    for (const CXmlProfileSection& section : sections_) {
        names.push_back({section.Name(), section.readOnly_});
    }
    return names;
}

std::size_t CXmlProfile::GetKeyCount(std::string_view section) const {
    const CXmlProfileSection* found = FindSection(section);
    return found != nullptr ? found->Keys().GetCount() : 0;
}

bool CXmlProfile::KeyExists(std::string_view section, std::string_view key) const {
    return FindKey(section, key) != nullptr;
}

bool CXmlProfile::SectionExists(std::string_view section) const {
    return FindSection(section) != nullptr;
}

void CXmlProfile::SetReadOnly(CXmlProfileKey& key, int readOnly) {
    key.readOnly_ = readOnly;
    modified_ = 1;
}

void CXmlProfile::SetReadOnly(CXmlProfileSection& section, int readOnly) {
    section.readOnly_ = readOnly;
    modified_ = 1;
}

void CXmlProfile::RemoveAll() {
    sections_.RemoveAll();
}

}  // namespace varno
