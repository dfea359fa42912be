#pragma once
// The 8-bit text of an appointment (name or description), always
// NUL-terminated. The text is the characters before the first NUL; a text
// read from the file keeps the bytes after such a NUL as well, so that
// writing the record back loses none of the file's bytes (`stored()`).
// Texts the program sets end at their first NUL.
//
// A text read from the data file points into the file's bytes, which the
// day grid keeps for as long as it holds the records read from them; so a
// store of many appointments loads without one allocation per text. A text
// set by the program owns a copy of its own. Copying a text always copies
// its characters, so a copy never depends on where the original lives.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

class TText {
public:
    TText() = default;
    TText(const char *s) { assign(s, std::strlen(s)); }
    TText(const std::string &s) { assign(s.data(), s.size()); }
    TText(const TText &o) { copy(o.data_, o.stored_); }
    TText(TText &&o) noexcept : owned_(std::move(o.owned_)), data_(o.data_), size_(o.size_), stored_(o.stored_)
    {
        o.reset();
    }
    TText &operator=(const TText &o)
    {
        if (this != &o)
            copy(o.data_, o.stored_);
        return *this;
    }
    TText &operator=(TText &&o) noexcept
    {
        if (this != &o) {
            owned_ = std::move(o.owned_);
            data_ = o.data_;
            size_ = o.size_;
            stored_ = o.stored_;
            o.reset();
        }
        return *this;
    }
    TText &operator=(const char *s)
    {
        assign(s, std::strlen(s));
        return *this;
    }
    TText &operator=(const std::string &s)
    {
        assign(s.data(), s.size());
        return *this;
    }

    // The `size` bytes of a text in storage the caller keeps alive and
    // unchanged; `p[size]` must be a NUL by the time the text is used. A
    // NUL before it ends the text, the bytes after it are kept.
    static TText View(const char *p, std::size_t size)
    {
        TText t;
        t.data_ = p;
        t.size_ = static_cast<uint32_t>(textLength(p, size));
        t.stored_ = static_cast<uint32_t>(size);
        return t;
    }

    // Takes over a block the caller filled: `size` bytes, then a NUL, no
    // NUL before it. A very long text made elsewhere need not be copied.
    static TText Adopt(std::unique_ptr<char[]> block, std::size_t size)
    {
        TText t;
        if (size == 0)
            return t;
        t.owned_ = std::move(block);
        t.data_ = t.owned_.get();
        t.size_ = static_cast<uint32_t>(size);
        t.stored_ = t.size_;
        return t;
    }

    const char *data() const { return data_; }
    const char *c_str() const { return data_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    bool isView() const { return stored_ != 0 && !owned_; }
    // The bytes as the file holds them: the text, and when it was ended by
    // a NUL, that NUL and everything after it.
    std::string_view stored() const { return std::string_view(data_, stored_); }
    bool hidesBytes() const { return stored_ != size_; }
    std::string str() const { return std::string(data_, size_); }
    std::string_view view() const { return std::string_view(data_, size_); }
    operator std::string() const { return str(); }

    friend bool operator==(const TText &a, const TText &b) { return equal(a, b.data_, b.size_); }
    friend bool operator==(const TText &a, const std::string &b) { return equal(a, b.data(), b.size()); }
    friend bool operator==(const TText &a, const char *b) { return equal(a, b, std::strlen(b)); }
    friend bool operator!=(const TText &a, const TText &b) { return !(a == b); }
    friend bool operator!=(const TText &a, const std::string &b) { return !(a == b); }
    friend bool operator!=(const TText &a, const char *b) { return !(a == b); }

private:
    static std::size_t textLength(const char *p, std::size_t n)
    {
        const void *nul = std::memchr(p, 0, n);
        return nul ? static_cast<std::size_t>(static_cast<const char *>(nul) - p) : n;
    }
    // Keeps the characters before the first NUL, as the stored text ends there.
    void assign(const char *p, std::size_t n) { copy(p, textLength(p, n)); }
    // Keeps all `n` bytes, a NUL among them included.
    void copy(const char *p, std::size_t n)
    {
        if (n == 0) {
            owned_.reset();
            reset();
            return;
        }
        std::unique_ptr<char[]> bytes(new char[n + 1]);
        std::memcpy(bytes.get(), p, n);
        bytes[n] = '\0';
        owned_ = std::move(bytes);
        data_ = owned_.get();
        size_ = static_cast<uint32_t>(textLength(data_, n));
        stored_ = static_cast<uint32_t>(n);
    }
    void reset()
    {
        data_ = "";
        size_ = 0;
        stored_ = 0;
    }
    static bool equal(const TText &a, const char *p, std::size_t n)
    {
        return a.size_ == n && std::memcmp(a.data_, p, n) == 0;
    }

    std::unique_ptr<char[]> owned_;
    const char *data_ = "";
    uint32_t size_ = 0;   // the text: the bytes before the first NUL
    uint32_t stored_ = 0; // all bytes kept, size_ or more
};
