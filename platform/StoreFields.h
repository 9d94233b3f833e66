#pragma once

#include "platform/RegistryStore.h"

#include <string>
#include <variant>

// Records whose integer and text fields are kept in the settings store, one
// value per field, named like the field.
namespace platform {

template <class Record> using StoreMember = std::variant<int Record::*, std::string Record::*>;

template <class Record> struct StoreField {
    const char *name;
    StoreMember<Record> member;
};

// Store read of one field, with the field's value in `defaults` as default.
template <class Record>
void ReadStoreField(CRegistryStore &store, const std::string &name, const StoreMember<Record> &member,
                    Record &record, const Record &defaults)
{
    if (const auto *number = std::get_if<int Record::*>(&member)) {
        record.*(*number) = store.ReadDword(name, defaults.*(*number));
    } else {
        const auto text = std::get<std::string Record::*>(member);
        record.*text = store.ReadString(name, defaults.*text);
    }
}

template <class Record>
void WriteStoreField(CRegistryStore &store, const std::string &name, const StoreMember<Record> &member,
                     const Record &record)
{
    if (const auto *number = std::get_if<int Record::*>(&member))
        store.WriteDword(name, record.*(*number));
    else
        store.WriteString(name, record.*std::get<std::string Record::*>(member));
}

template <class Record>
void ReadStoreFields(CRegistryStore &store, const StoreField<Record> *first, const StoreField<Record> *last,
                     Record &record, const Record &defaults)
{
    for (; first != last; ++first)
        ReadStoreField(store, first->name, first->member, record, defaults);
}

template <class Record>
void WriteStoreFields(CRegistryStore &store, const StoreField<Record> *first, const StoreField<Record> *last,
                      const Record &record)
{
    for (; first != last; ++first)
        WriteStoreField(store, first->name, first->member, record);
}

} // namespace platform
