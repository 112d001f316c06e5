#pragma once
// Grammatical categories both directions and the tables share.

namespace velloc {

enum class Case { Nominative, Accusative, Dative, Genitive };
enum class Declension { Strong, Weak, Mixed, Predicative };
enum class Tense { Present, Past };

}  // namespace velloc
