#pragma once
// The number of the run-time error that a call raises, 0 when it raises
// none.

#include "runtime/RuntimeError.h"

template <class Call>
int errorNumberOf(Call call) {
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}
