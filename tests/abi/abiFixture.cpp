// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

// A small library in several versions for the ABI check's own test; each differs from the first
// (ABI_FIXTURE_BASE) in one way that the check must tell apart.

#define FIXTURE_EXPORT __attribute__((visibility("default")))

struct pzFixturePrivate {
    int value = 1;
#ifdef ABI_FIXTURE_RECORD
    int more = 2;
#endif
};

class FIXTURE_EXPORT pzFixture {
public:
    explicit pzFixture(pzFixturePrivate* d);
    int value() const;
#ifdef ABI_FIXTURE_ADDED
    int twice() const;
#endif

private:
    pzFixturePrivate* d;
#ifdef ABI_FIXTURE_GROWN
    int more = 2;
#endif
};

pzFixture::pzFixture(pzFixturePrivate* record)
    : d(record) {}

int pzFixture::value() const {
    return d->value;
}

#ifdef ABI_FIXTURE_ADDED
int pzFixture::twice() const {
    return 2 * d->value;
}
#endif

#if !defined(ABI_FIXTURE_REMOVED) && !defined(ABI_FIXTURE_RENAMED)
FIXTURE_EXPORT int pzFixtureVersion() {
    return 1;
}
#endif
