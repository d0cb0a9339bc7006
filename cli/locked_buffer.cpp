// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "cli/locked_buffer.h"

#include <string.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <new>

namespace qmb {

namespace {

size_t WholePages(size_t size)
{
    const auto page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    return (size + page - 1) / page * page;
}

}  // namespace

LockedBuffer::LockedBuffer(size_t size) : size_(size), mapped_(WholePages(size))
{
    void* pages = mmap(nullptr, mapped_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED) {
        throw std::bad_alloc();
    }
    data_ = static_cast<char*>(pages);
    // Out of core dumps whatever else fails; locking may be refused by the
    // user's limit, and then only swap can see it.
    madvise(pages, mapped_, MADV_DONTDUMP);
    mlock(pages, mapped_);
}

LockedBuffer::~LockedBuffer()
{
    explicit_bzero(data_, mapped_);
    munlock(data_, mapped_);
    munmap(data_, mapped_);
}

void KeepSecretsFromOtherProcesses()
{
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
}

}  // namespace qmb
