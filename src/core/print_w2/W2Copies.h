#pragma once

namespace quillory {

struct CopyForm;

// The W-2's employee copies (B, C, 2 and 2) drawn on plain paper: rows of W2 by id, the SSN
// whole as 000-00-0000, an employer number applied for as "Applied For".
const CopyForm &W2Copies();

} // namespace quillory
