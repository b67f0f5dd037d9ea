#pragma once

namespace armoursmith::bench {

// BatchRun with the number of table rows as argument: a table read and turned into script
// text in memory, as --batch does before it writes.
void RegisterBatchCases();

}  // namespace armoursmith::bench
