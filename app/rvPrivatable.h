// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Common first part of every program record: the back pointer to the public object.
// Records are plain structs; a derived class's record extends its base's record.
struct rvRecord {
    class rvPrivatable* owner = nullptr;
};

// Second base of every stateful program class: owns the class's record.
// The most derived class creates the record and hands it over with own(), which remembers
// the record's real type so that it is destroyed whole without a virtual destructor.
class rvPrivatable {
public:
    struct Handle {
        rvRecord* record;
        void (*destroy)(rvRecord*);
    };

    template <class Record> static Handle own(Record* record) {
        return {record, [](rvRecord* r) { delete static_cast<Record*>(r); }};
    }

    virtual ~rvPrivatable();

    rvPrivatable(const rvPrivatable&) = delete;
    rvPrivatable& operator=(const rvPrivatable&) = delete;

protected:
    explicit rvPrivatable(Handle handle);

    rvRecord* privateRecord() const { return mHandle.record; }

private:
    const Handle mHandle;
};

// Accessors for a public class whose record is ClassPrivate (use with Q_D).
// The record type is incomplete in public headers, hence reinterpret_cast, as Qt does: records
// derive singly from their base record, so the pointer value is the same. The qualified call
// keeps the accessor unambiguous in classes that also carry a toolkit record.
#define RV_DECLARE_PRIVATE(Class)                                                                  \
    inline Class##Private* d_func() {                                                              \
        return reinterpret_cast<Class##Private*>(rvPrivatable::privateRecord());                   \
    }                                                                                              \
    inline const Class##Private* d_func() const {                                                  \
        return reinterpret_cast<const Class##Private*>(rvPrivatable::privateRecord());             \
    }                                                                                              \
    friend struct Class##Private;
