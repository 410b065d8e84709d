#pragma once

namespace tavrolin {

// The answers to the program's question: a button, or neither.
enum class Answer { Yes, No, Other };

} // namespace tavrolin
