// A small program linked the way the static guard is (the test
// static-unwind builds it with the same link options, without sanitizers):
// it throws from the places a program's exceptions come from and checks that
// each is caught where it should be. Exit status 0 when every one was; a
// throw the unwinder cannot place ends in std::terminate.
//
//   - during static initialisation, before main;
//   - the first throw of main, from a function of its own;
//   - std::bad_alloc from operator new inside the C++ library;
//   - std::out_of_range and std::invalid_argument from the C++ library;
//   - through a C library function (qsort calling a comparison that throws);
//   - a rethrow from a catch clause, and std::rethrow_exception;
//   - in a second thread.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <stdexcept>
#include <string>
#include <thread>

namespace guard {

namespace {

struct Thrown {
    int code;
};

[[gnu::noinline]] void throwCode(int code) { throw Thrown{code}; }

int caughtBeforeMain = [] {
    try {
        throwCode(1);
    } catch (const Thrown& thrown) {
        return thrown.code;
    }
    return 0;
}();

extern "C" int compareAndThrow(const void*, const void*) { throw Thrown{7}; }

int failures = 0;

void expect(bool caught, const char* what)
{
    if (!caught) {
        std::fprintf(stderr, "not caught as expected: %s\n", what);
        ++failures;
    }
}

bool firstThrow()
{
    try {
        throwCode(2);
    } catch (const Thrown& thrown) {
        return thrown.code == 2;
    }
    return false;
}

bool badAlloc(std::size_t bytes)
{
    try {
        void* memory = ::operator new(bytes);
        ::operator delete(memory);
    } catch (const std::bad_alloc&) {
        return true;
    }
    return false;
}

bool fromTheLibrary(const std::string& text)
{
    int caught = 0;
    try {
        (void)text.at(text.size() + 1);
    } catch (const std::out_of_range&) {
        ++caught;
    }
    try {
        (void)std::stoi(text);
    } catch (const std::invalid_argument&) {
        ++caught;
    }
    return caught == 2;
}

bool throughC()
{
    int values[3] = {3, 1, 2};
    try {
        std::qsort(values, 3, sizeof values[0], compareAndThrow);
    } catch (const Thrown& thrown) {
        return thrown.code == 7;
    }
    return false;
}

bool rethrown()
{
    std::exception_ptr kept;
    try {
        try {
            throwCode(3);
        } catch (const Thrown&) {
            throw;
        }
    } catch (const Thrown& thrown) {
        if (thrown.code != 3)
            return false;
        kept = std::current_exception();
    }
    try {
        std::rethrow_exception(kept);
    } catch (const Thrown& thrown) {
        return thrown.code == 3;
    }
    return false;
}

bool inAnotherThread()
{
    bool caught = false;
    std::thread worker([&caught] {
        try {
            throwCode(4);
        } catch (const Thrown& thrown) {
            caught = thrown.code == 4;
        }
    });
    worker.join();
    return caught;
}

} // namespace

int run(int argumentCount)
{
    expect(caughtBeforeMain == 1, "a throw during static initialisation");
    expect(firstThrow(), "the first throw of main");
    // The size depends on the argument count so that the compiler cannot
    // see the request fail; no machine has this much.
    expect(badAlloc(std::size_t(1) << (60 + argumentCount % 2)), "std::bad_alloc from operator new");
    expect(fromTheLibrary("not a number"), "exceptions thrown inside the C++ library");
    expect(throughC(), "a throw through qsort");
    expect(rethrown(), "a rethrow and std::rethrow_exception");
    expect(inAnotherThread(), "a throw in a second thread");
    if (failures == 0)
        std::puts("every exception caught");
    return failures == 0 ? 0 : 1;
}

} // namespace guard

int main(int argc, char**) { return guard::run(argc); }
