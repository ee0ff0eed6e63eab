#pragma once
// A function of one argument held to a table of arguments and what it gives for each: every
// case is checked, and a failing one names its argument.

#include <gtest/gtest.h>

#include <initializer_list>

namespace quill_test {

template <class Argument, class Result> struct Gives {
    Argument argument;
    Result result;
};

template <class Argument, class Result, class Function>
void expectEachGives(Function&& function, std::initializer_list<Gives<Argument, Result>> cases)
{
    for (const Gives<Argument, Result>& c : cases) {
        SCOPED_TRACE(c.argument);
        EXPECT_EQ(function(c.argument), c.result);
    }
}

}  // namespace quill_test
