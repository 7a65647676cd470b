// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzToolsExport.h"

class pzPrivatable;

/// Polymorphic base of every toolkit private record.
///
/// Machinery of the toolkit's own classes, not API: the reference leaves it out.
class PZTOOLS_EXPORT pzPrivate {
public:
    /// A record with no owner yet.
    pzPrivate() = default;
    /// Records are deleted through this base by their owner.
    virtual ~pzPrivate();

    /// Not copyable.
    pzPrivate(const pzPrivate&) = delete;
    /// Not assignable.
    pzPrivate& operator=(const pzPrivate&) = delete;

    /// Back pointer to the public object; set by pzPrivatable when it takes the record.
    pzPrivatable* owner = nullptr;
};

// Accessors for a record back to its public class (use with Q_Q).
#define PZ_DECLARE_PUBLIC(Class)                                                                   \
    inline Class* q_func() {                                                                       \
        return static_cast<Class*>(owner);                                                         \
    }                                                                                              \
    inline const Class* q_func() const {                                                           \
        return static_cast<const Class*>(owner);                                                   \
    }                                                                                              \
    friend class Class;
