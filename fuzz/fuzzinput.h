#pragma once
// What every fuzz target reads: the bytes as text, split into the boxes' texts,
// and a few small choices taken from the front.

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace sdfuzz {

class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    // A number 0 .. n-1 from the next byte (0 once the bytes run out).
    int choice(int n) {
        if (pos_ >= size_ || n <= 0)
            return 0;
        return data_[pos_++] % n;
    }
    // The rest, as text, one box a line, padded or cut to `boxes` texts.
    QStringList texts(qsizetype boxes) {
        QStringList out = rest().split(u'\n');
        out.resize(boxes);
        return out;
    }
    QString rest() {
        const QString text =
            QString::fromUtf8(reinterpret_cast<const char*>(data_ + pos_), qsizetype(size_ - pos_));
        pos_ = size_;
        return text;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// A broken promise of the rules: stop here, so the fuzzer keeps the input.
inline void require(bool holds) {
    if (!holds)
        __builtin_trap();
}

} // namespace sdfuzz
