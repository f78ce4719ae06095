#pragma once

// Texts of the resource library that only the dialogs use.

namespace dlg_ids {

inline constexpr unsigned PASSWORD_ENTRY_PROMPT = 5400;   // %s file name
inline constexpr unsigned PASSWORD_WRONG = 5401;
inline constexpr unsigned PASSWORD_MISMATCH = 5410;
inline constexpr unsigned PASSWORD_FIRST_EMPTY = 5411;
inline constexpr unsigned PASSWORD_CONFIRM_FIRST = 5412;
inline constexpr unsigned PASSWORD_CONFIRM_SECOND = 5413;

// Captions and labels of the dialogs built in code.
inline constexpr unsigned CAPTION_PASSWORDS = 41350;
inline constexpr unsigned LABEL_PROTECT = 41351;
inline constexpr unsigned LABEL_PASSWORD_FIRST = 41352;
inline constexpr unsigned LABEL_PASSWORD_SECOND = 41353;
inline constexpr unsigned CAPTION_PASSWORD_ENTRY = 41360;
inline constexpr unsigned CAPTION_PASSWORD_CONFIRM = 41361;

}  // namespace dlg_ids
