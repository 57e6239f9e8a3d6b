#pragma once

#include "core/Program.h"

#include <cstdint>
#include <functional>
#include <string>

namespace velmorix {

// Message box titles of the filters window and its operations.
namespace titles {
inline constexpr const char* Program = kProgramTitle;
inline const std::string ProgramSpaced = std::string(" ") + kProgramTitle;
inline constexpr const char* Error = "! HATA !";
inline constexpr const char* Warning = "! DİKKAT !";
inline const std::string FiltersWindow = std::string(kProgramTitle) + "  [ YASAKLAR & ZORUNLULUKLAR ]";
} // namespace titles

enum class MessageIcon { None, Question, Exclamation };

// A message box as data: the window shows it through its Dialogs, the batch
// command prints its text.
struct Message {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::None;

    bool operator==(const Message&) const = default;
};

// A Yes/No question with a question icon. The program beeps before each.
struct Question {
    std::string text;
    std::string title;

    bool operator==(const Question&) const = default;
};

// The "Son İşlemin Durumu" frame of the filters window.
struct StatusLabels {
    std::string Label10; // total
    std::string Label11; // kept
    std::string Label12; // start time
    std::string Label13; // end time

    bool operator==(const StatusLabels&) const = default;
};

// One progress step: `title` is the window title to show; `done` of `total`
// lets a progress bar be drawn. Phase 0 is the end (title back to normal).
struct ProgressReport {
    int phase = 0;
    int64_t done = 0;
    int64_t total = 0;
    std::string title;
};

// How a list operation reaches whoever started it. `confirm` is required; the
// others may stay empty.
struct RunCallbacks {
    std::function<bool(const Question&)> confirm;
    std::function<void(const ProgressReport&)> progress;
    std::function<void(const StatusLabels&)> labels;
};

} // namespace velmorix
