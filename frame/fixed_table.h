// A fixed-capacity table of trivially copyable records, allocated once and zero-filled.
//
// The memory comes from calloc, so pages of a large table that are never written cost
// no resident memory. Indexing is checked by the callers against their own counts;
// `at` returns null for an index outside the capacity so that data from a file never
// reaches an out-of-range write.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>
#include <type_traits>

template <typename Record>
class FixedTable {
    static_assert(std::is_trivially_copyable_v<Record>, "tables hold plain records");

public:
    explicit FixedTable(size_t capacity)
        : records_(static_cast<Record*>(std::calloc(capacity, sizeof(Record)))),
          capacity_(records_ != nullptr ? capacity : 0) {
        if (records_ == nullptr) throw std::bad_alloc();
    }
    ~FixedTable() { std::free(records_); }
    FixedTable(const FixedTable&) = delete;
    FixedTable& operator=(const FixedTable&) = delete;

    size_t capacity() const { return capacity_; }
    Record* at(size_t index) { return index < capacity_ ? &records_[index] : nullptr; }
    const Record* at(size_t index) const { return index < capacity_ ? &records_[index] : nullptr; }
    Record& operator[](size_t index) { return records_[index]; }
    const Record& operator[](size_t index) const { return records_[index]; }
    Record* data() { return records_; }
    const Record* data() const { return records_; }

private:
    Record* records_;
    size_t capacity_;
};
