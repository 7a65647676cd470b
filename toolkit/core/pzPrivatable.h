// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzToolsExport.h"

class pzPrivate;

/// Second base of every stateful toolkit class: owns the class's private record. The record is
/// deleted by this destructor, so it outlives the public destructor body and is gone before the Qt
/// base is destroyed.
///
/// Machinery of the toolkit's own classes, not API: the record types are not installed, and the
/// reference leaves this class out.
class PZTOOLS_EXPORT pzPrivatable {
public:
    /// Deletes the record.
    virtual ~pzPrivatable();

    /// Not copyable: the record has one owner.
    pzPrivatable(const pzPrivatable&) = delete;
    /// Not assignable.
    pzPrivatable& operator=(const pzPrivatable&) = delete;

protected:
    /// Takes ownership of `record` and sets its back pointer to this object; `record` must not be
    /// null.
    explicit pzPrivatable(pzPrivate* record);

    /// The record, for the d_func() accessors.
    pzPrivate* privateRecord() const { return mRecord; }

private:
    pzPrivate* const mRecord;
};

// Accessors for a public class whose record is ClassPrivate (use with Q_D).
// The record type is incomplete in public headers, hence reinterpret_cast, as Qt does: records
// derive singly from their base record, so the pointer value is the same.
#define PZ_DECLARE_PRIVATE(Class)                                                                  \
    inline Class##Private* d_func() {                                                              \
        return reinterpret_cast<Class##Private*>(privateRecord());                                 \
    }                                                                                              \
    inline const Class##Private* d_func() const {                                                  \
        return reinterpret_cast<const Class##Private*>(privateRecord());                           \
    }                                                                                              \
    friend class Class##Private;
