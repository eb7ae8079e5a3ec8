#pragma once
// The one object of a kind that the running program uses, such as its
// desktop or its session list. The scope that owns the object makes it the
// current one and puts the previous one back when it ends, so that scopes
// nest: a program's start-up makes its own, a test a fresh one.

namespace kvx {

template <typename T>
class CurrentPart {
public:
    explicit CurrentPart(T& part) : previous_(current_) { current_ = &part; }
    ~CurrentPart() { current_ = previous_; }
    CurrentPart(const CurrentPart&) = delete;
    CurrentPart& operator=(const CurrentPart&) = delete;

    // The current object; before any scope has made one current (tools and
    // tests that need none) one of type Fallback, made on first use.
    template <typename Fallback = T>
    static T& get()
    {
        if (current_) {
            return *current_;
        }
        static Fallback fallback;
        return fallback;
    }

private:
    static inline T* current_ = nullptr;
    T* previous_;
};

}  // namespace kvx
