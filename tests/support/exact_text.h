#pragma once

#include <QString>

#include "exact_rational.h"

// An expected value written in a test row, exactly: "-1.87325", "3", "1/12" or "-295/4".
inline rangedesk::ExactRational ExactFromText(const QString& text) {
    using Int = rangedesk::ExactRational::Int;
    Int numerator = 0;
    Int denominator = 1;
    Int* part = &numerator;
    bool negative = false;
    bool decimals = false;
    for (const QChar c : text) {
        if (c == '-') {
            negative = true;
        } else if (c == '.') {
            decimals = true;
        } else if (c == '/') {
            denominator = 0;
            part = &denominator;
        } else {
            *part = *part * 10 + c.digitValue();
            if (decimals) {
                denominator *= 10;
            }
        }
    }
    return *rangedesk::ExactRational::Make(negative ? -numerator : numerator, denominator);
}

inline QString ExactToText(const rangedesk::ExactRational& x) {
    return QString::fromStdString(rangedesk::FractionText(x));
}
