#pragma once
// A save's file operations on the real file system, with one chosen
// operation made to fail. Operations are numbered from 1 in the order the
// save calls them (Create, TakeAttributes, each Write, Sync, Close, Rename), so a test can
// fail every single step of a save in turn.

#include "store/SaveIo.h"

#include <algorithm>
#include <memory>

class FailingSaveIo final : public SaveIo {
public:
    enum class Mode {
        Refuse,   // the step does nothing and reports an I/O error
        Full,     // a write stores half its bytes, then the disk is full
        AfterAll, // the step is done, then reports an error anyway
    };

    // failAt 0 fails nothing; writes are cut into pieces of `chunk` bytes so
    // a save is made of many of them.
    FailingSaveIo(int failAt, Mode mode, size_t chunk = 16384)
        : real_(MakeFileSaveIo()), failAt_(failAt), mode_(mode), chunk_(chunk)
    {
    }

    int Operations() const { return ops_; }
    bool Injected() const { return injected_; }

    bool Create(const QString &path) override
    {
        if (fails())
            return refuse();
        return real_->Create(path);
    }
    bool Rewrite(const QString &path) override
    {
        if (fails())
            return refuse();
        return real_->Rewrite(path);
    }

    bool TakeAttributes(const QString &like) override
    {
        return step([&] { return real_->TakeAttributes(like); });
    }

    long long Write(const char *data, size_t size) override
    {
        size = std::min(size, chunk_);
        if (full_)
            return diskFullNow();
        if (!fails())
            return real_->Write(data, size);
        if (mode_ == Mode::Full) {
            // A short write: part of the bytes land, the next write finds
            // the disk full.
            full_ = true;
            return size > 1 ? real_->Write(data, size / 2) : diskFullNow();
        }
        if (mode_ == Mode::AfterAll)
            real_->Write(data, size);
        return -1;
    }

    bool Sync() override
    {
        return step([this] { return real_->Sync(); });
    }
    bool Close() override
    {
        return step([this] { return real_->Close(); });
    }
    bool Rename(const QString &from, const QString &to) override
    {
        // A rename is all or nothing: it either happened or it failed.
        if (fails())
            return refuse();
        return real_->Rename(from, to);
    }
    void Remove(const QString &path) override { real_->Remove(path); }
    QString ErrorText() const override { return injected_ ? QStringLiteral("injected fault") : real_->ErrorText(); }
    bool DiskFull() const override { return full_ || real_->DiskFull(); }

private:
    bool fails()
    {
        ++ops_;
        if (ops_ != failAt_)
            return false;
        injected_ = true;
        return true;
    }
    bool refuse() { return false; }
    long long diskFullNow()
    {
        ++ops_;
        full_ = true;
        return -1;
    }
    template <typename F>
    bool step(F real)
    {
        if (!fails())
            return real();
        if (mode_ == Mode::AfterAll)
            real();
        return refuse();
    }

    std::unique_ptr<SaveIo> real_;
    int failAt_;
    Mode mode_;
    size_t chunk_;
    int ops_ = 0;
    bool injected_ = false;
    bool full_ = false;
};
