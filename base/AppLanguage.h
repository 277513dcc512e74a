#pragma once

#include <QString>

#include "base/Lang.h"

// The process-wide interface language. Set at start-up, flipped by the
// language switch; only user-interface code reads it.
extern int bChinese;

// "English" or "Chinese" (or what the settings file forces): also the base
// name of the language module.
QString& LanguageName();

inline Lang CurrentLang() { return bChinese ? Lang::Chinese : Lang::English; }

// A bilingual text in the current language.
inline QString Tr(const BiText& text) { return QString::fromUtf8(text.In(CurrentLang())); }
