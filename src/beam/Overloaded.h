#pragma once

// Builds one visitor from several lambdas, one per record kind.
template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;
