#pragma once

namespace armoursmith::bench {

// LongWordAppend/102400 and /1048576: one single-piece block whose description is one
// unbroken word of that many bytes, appended to an empty, shown script window and painted.
// FieldKeystroke/102400: one character typed into a shown field box that holds 100 KB.
void RegisterLongTextCases();

}  // namespace armoursmith::bench
