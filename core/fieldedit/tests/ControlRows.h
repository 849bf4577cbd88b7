// Key scripts for the field controls of every front end and for the field rules beneath them: the
// kind, the keys typed (as in KeyScript.h), the text shown and the selection ("start+length") left.
#pragma once

namespace core {

struct ControlRow {
    const char *kind;
    const char *keys;
    const char *text;
    const char *selection;
};

inline constexpr ControlRow kControlRows[] = {
    {"CTimeEdit", "123045", "12:30:45", "6+2"},
    {"CTimeEdit", "7", "07:00:00", "0+2"},
    {"CTimeEdit", "25", "05:00:00", "3+2"},
    {"CTimeEdit", "{Left}", "00:00:00", "6+2"},
    {"CTimeEdit", "23{Left}{Up}", "00:00:00", "0+2"},
    {"CTimeEdit", "1{Back}2", "02:00:00", "0+2"},
    {"CTimeEdit", "ab-+.Z:", "00:00:00", "0+2"},
    {"CTimeEdit", "{Right}{Down}{Space}{Space}", "00:59:00", "0+2"},
    {"CTextNumberEdit", "Hi there{Back}{Right}42", "Hi ther      0042", "13+4"},
    {"CTextNumberEdit", "{Right}42 ", "             0042", "0+12"},
    {"CTextNumberEdit", "abc{Del}{Right}{Down}", "             9999", "13+4"},
    {"CYearMonthEdit", "2024{Right}11{Up}", "2025-00", "5+2"},
    {"CYearMonthEdit", "2024{Right}{Down}", "2023-11", "5+2"},
    {"CYearMonthEdit", "{Right}7{Back}{Del}", "0000-07", "5+2"},
    {"CNumberPairEdit", "12{Right}34{Del}{Back}", "12/01", "3+2"},
    {"CNumberPairEdit", "1234", "34/00", "0+2"},
    {"CNumberPairEdit", "{Down}{Right}{Up}", "99/01", "3+2"},
    {"CMonthDayEdit", "ju{Down}{Del}{Up}{Right}29", "February  29", "10+2"},
    {"CMonthDayEdit", "may", "May       01", "0+9"},
    {"CMonthDayEdit", "jjj{Right}{Down}", "July      31", "10+2"},
    {"CNumber32Edit", "123{Right}45{Back}{Left}{Down}", "122-00", "0+3"},
    {"CNumber32Edit", "{Down}{Right}{Down}", "999-99", "4+2"},
    {"CNumber32Edit", "9999{Del}", "000-00", "0+3"},
    {"CDigits334Edit", "555{Right}123{Space}4567", "(555) 123-4567", "10+4"},
    {"CDigits334Edit", "5551234567", "(007) 000-0000", "1+3"},
    {"CDigits334Edit", "{Left}{Up}{Back}", "(000) 000-0000", "10+4"},
    {"CDigits324Edit", "12345", "123-45-0000", "7+4"},
    {"CDigits324Edit", "123456789", "123-45-6789", "7+4"},
    {"CDigits324Edit", "12{Back}345", "345-00-0000", "4+2"},
    {"CRealPairEdit", "-3.45{Right}{Down}{Down}", "(-0003.45,-0002.00)", "10+8"},
    {"CRealPairEdit", "12.5{Del}", "( 0000.00, 0000.00)", "1+8"},
    {"CRealPairEdit", "{Up}{Right}7", "( 0001.00, 0007.00)", "10+8"},
};

} // namespace core
