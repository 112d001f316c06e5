// The transfer rules of German into English, each with its example on the fixture
// dictionary: the translation a reader expects, and the rule seen at work in it.
// Literals are Windows-1252.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/de_en.h"
#include "tests/engine/engine_test_support.h"

using namespace velloc;

namespace {

bool Ran(const Translation& t, const char* rule) {
    return std::find(t.rules.begin(), t.rules.end(), rule) != t.rules.end();
}

// The translation of sentence, which must have used rule.
std::string By(const char* rule, const char* sentence) {
    Translation t = FixtureTranslation(Direction::GermanToEnglish, sentence);
    EXPECT_TRUE(Ran(t, rule)) << sentence << " did not use " << rule;
    return t.text;
}

}  // namespace

TEST(GermanClauseRules, EveryRuleHasANameAndAnExampleThatUsesIt) {
    for (const ClauseRule<GermanClause>& rule : GermanClauseRules()) {
        ASSERT_TRUE(rule.name && *rule.name);
        ASSERT_TRUE(rule.example && *rule.example) << rule.name;
        EXPECT_TRUE(Ran(FixtureTranslation(Direction::GermanToEnglish, rule.example), rule.name))
            << rule.name << " does not run on its own example: " << rule.example;
    }
    for (const ClauseRule<GermanClause>& rule : GermanNonFiniteClauseRules())
        EXPECT_TRUE(Ran(FixtureTranslation(Direction::GermanToEnglish, rule.example), rule.name))
            << rule.name << " does not run on its own example: " << rule.example;
    for (const WordRule<GermanSentence>& rule : GermanWordRules())
        EXPECT_TRUE(Ran(FixtureTranslation(Direction::GermanToEnglish, rule.example), rule.name))
            << rule.name << " does not run on its own example: " << rule.example;
}

TEST(GermanClauseRules, SeparableParticleJoinsItsVerb) {
    EXPECT_EQ(By("SeparableParticleJoinsItsVerb", "Er steht auf."), "He gets up.");
    // "kehrt" is listed as the finite form of both "umkehren" and "zurückkehren"
    EXPECT_EQ(By("SeparableParticleJoinsItsVerb", "Er kehrt zurück."), "He returns.");
    EXPECT_EQ(By("SeparableParticleJoinsItsVerb", "Er kehrt um."), "He turns back.");
    // a particle before a closing "zu" infinitive joins too
    EXPECT_EQ(By("SeparableParticleJoinsItsVerb", "Der Hund fing an zu bellen."), "The dog started to bark.");
}

TEST(GermanClauseRules, ZuInfinitiveAfterAVerbOfStoppingIsTheIngForm) {
    EXPECT_EQ(By("SeparableParticleJoinsItsVerb", "Der Hund h\xF6rte auf zu bellen."), "The dog stopped barking.");
    // after the participle that governs it, in the verb group and after a comma
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund hat aufgeh\xF6rt zu bellen.").text,
              "The dog has stopped barking.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund hat versucht zu schlafen.").text,
              "The dog has tried to sleep.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund h\xF6rte auf, den Mann zu sehen.").text,
              "The dog stopped seeing the man.");
}

TEST(GermanToEnglishReadings, AfterASingularDeterminerAHeadwordNounIsNoPluralOfAnother) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Das Essen ist klein.").text, "The food is small.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Er sieht ein Essen.").text, "He sees a food.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Er sieht die Essen.").text, "He sees the chimneys.");
    // after "den" or "seinen" a masculine headword is the accusative singular, no dative plural
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Er sieht seinen Laden.").text, "He sees his shop.");
}

TEST(GermanClauseRules, ZuJoinsItsInfinitive) {
    EXPECT_EQ(By("ZuJoinsItsInfinitive", "Er versucht zu schlafen."), "He tries to sleep.");
}

TEST(GermanClauseRules, SeitTakesThePresentPerfect) {
    EXPECT_EQ(By("SeitTakesThePresentPerfect", "Der Hund schläft seit drei Tagen im Garten."),
              "The dog has slept in the garden for three days.");
    EXPECT_EQ(By("SeitTakesThePresentPerfect", "Der Mann sieht den Hund seit drei Tagen nicht."),
              "The man has not seen the dog for three days.");
}

TEST(GermanClauseRules, GeradeMakesTheProgressive) {
    EXPECT_EQ(By("GeradeMakesTheProgressive", "Der Hund schläft gerade im Garten."), "The dog is sleeping in the garden.");
    EXPECT_EQ(By("GeradeMakesTheProgressive", "Die Kinder spielen gerade nicht."), "The children are not playing.");
}

TEST(GermanClauseRules, FutureTimeTakesWill) {
    EXPECT_EQ(By("FutureTimeTakesWill", "Der Hund schläft morgen im Garten."), "The dog will sleep in the garden tomorrow.");
    EXPECT_EQ(By("FutureTimeTakesWill", "Das Kind spielt nächste Woche nicht."), "The child will not play next week.");
    // the morning of today, a past, and a subordinate clause keep their tense
    for (const char* kept : {"Der Hund schläft heute Morgen im Garten.", "Der Hund schlief morgen im Garten.",
                             "Ich sehe, dass der Hund morgen schläft."})
        EXPECT_FALSE(Ran(FixtureTranslation(Direction::GermanToEnglish, kept), "FutureTimeTakesWill")) << kept;
}

TEST(GermanClauseRules, NichtJoinsTheVerbGroup) {
    EXPECT_EQ(By("NichtJoinsTheVerbGroup", "Der Hund bellt nicht."), "The dog does not bark.");
    EXPECT_EQ(By("NichtJoinsTheVerbGroup", "Der Hund hat das Buch noch nicht gelesen."), "The dog has not read the book yet.");
    EXPECT_EQ(By("NichtJoinsTheVerbGroup", "Der Hund bellt nicht mehr."), "The dog does not bark anymore.");
}

TEST(GermanClauseRules, AdjectiveBesideTheVerbIsAnAdverb) {
    EXPECT_EQ(By("AdjectiveBesideTheVerbIsAnAdverb", "Der Hund bellt leise."), "The dog barks quietly.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund ist leise.").text, "The dog is quiet.");
}

TEST(GermanClauseRules, EsGibtIsThereIs) {
    EXPECT_EQ(By("EsGibtIsThereIs", "Es gibt einen Hund."), "There is a dog.");
    EXPECT_EQ(By("EsGibtIsThereIs", "Es gibt drei Hunde."), "There are three dogs.");
    // asked with an asking word, and what is asked for counted in front
    EXPECT_EQ(By("EsGibtIsThereIs", "Was gibt es im Garten?"), "What is there in the garden?");
    EXPECT_EQ(By("EsGibtIsThereIs", "Wie viele Hunde gibt es?"), "How many dogs are there?");
    // a place, said after what there is
    EXPECT_EQ(By("EsGibtIsThereIs", "Es gibt hier einen Hund."), "There is a dog here.");
    EXPECT_EQ(By("EsGibtIsThereIs", "Hier gibt es einen Hund."), "There is a dog here.");
    // a zu-infinitive of the thing follows it
    EXPECT_EQ(By("EsGibtIsThereIs", "Es gibt ein Buch zu lesen."), "There is a book to read.");
}

TEST(GermanClauseRules, EnglishVerbGroup) {
    EXPECT_EQ(By("EnglishVerbGroup", "Er hat das Buch gelesen."), "He has read the book.");
    // In talk the perfect is the English simple past.
    EXPECT_EQ(By("EnglishVerbGroup", "Ich habe das Buch gelesen."), "I read the book.");
}

TEST(GermanClauseRules, EnglishVerbGroupReadsThePerfectByItsTime) {
    // a report in the third person keeps its perfect, unless it names a time now over
    EXPECT_EQ(By("EnglishVerbGroup", "Er hat gestern das Buch gelesen."), "He read the book yesterday.");
    // "sein" with a verb the dictionary knows only as intransitive is a perfect, not a state
    EXPECT_EQ(By("EnglishVerbGroup", "Ich bin gegangen."), "I went.");
    EXPECT_EQ(By("EnglishVerbGroup", "Wir sind zurückgekehrt."), "We returned.");
    EXPECT_EQ(By("EnglishVerbGroup", "Das Buch ist gekauft."), "The book is bought.");
    // the perfect of the passive is read the same way
    EXPECT_EQ(By("EnglishVerbGroup", "Das Buch ist gestern gekauft worden."), "The book was bought yesterday.");
    EXPECT_EQ(By("EnglishVerbGroup", "Das Buch ist gekauft worden."), "The book has been bought.");
}

TEST(GermanClauseRules, FrequencyAdverbBeforeTheVerb) {
    EXPECT_EQ(By("FrequencyAdverbBeforeTheVerb", "Wir sehen oft den Hund."), "We often see the dog.");
    // after the first auxiliary, and after a lone "be"
    EXPECT_EQ(By("FrequencyAdverbBeforeTheVerb", "Er hat oft das Buch gelesen."), "He has often read the book.");
    // a verb of two words keeps them together: "often gets up"
    EXPECT_EQ(By("FrequencyAdverbBeforeTheVerb", "Er steht oft auf."), "He often gets up.");
    // "das" before the verbs at the end stands alone
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund hat das oft gesehen.").text, "The dog has often seen that.");
    EXPECT_EQ(By("FrequencyAdverbBeforeTheVerb", "Der Hund ist oft müde."), "The dog is often tired.");
    // in a question after the subject
    EXPECT_EQ(By("FrequencyAdverbBeforeTheVerb", "Hat der Hund oft gewartet?"), "Has the dog often waited?");
}

TEST(GermanClauseRules, TimeGoesLast) {
    EXPECT_EQ(By("TimeGoesLast", "Ich lese heute das Buch."), "I read the book today.");
    EXPECT_EQ(By("TimeGoesLast", "Er trinkt jeden Montag Kaffee."), "He drinks coffee every Monday.");
    // "keine Zeit" names no time: it is the object, and "heute" goes after it
    EXPECT_EQ(By("TimeGoesLast", "Ich habe heute keine Zeit."), "I have no time today.");
    // "hier" and "dort" say where, and go last too
    EXPECT_EQ(By("TimeGoesLast", "Der Hund hat hier einen Garten."), "The dog has a garden here.");
    // a measure of an adjective is no time: "zwei Jahre alt"
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Das Kind ist zwei Jahre alt.").text,
              "The child is two years old.");
}

TEST(GermanClauseRules, VorIsAgo) {
    EXPECT_EQ(By("VorIsAgo", "Vor zwei Wochen kaufte er ein Haus."), "Two weeks ago he bought a house.");
    EXPECT_EQ(By("VorIsAgo", "Er hat vor zwei Wochen ein Buch gekauft."), "He bought a book two weeks ago.");
    // before a time with "the" it stays "before"
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Er kommt vor dem Montag.").text, "He comes before Monday.");
}

TEST(GermanClauseRules, LastYearTakesNoPreposition) {
    EXPECT_EQ(By("LastYearTakesNoPreposition", "Im letzten Jahr kaufte er ein Haus."), "Last year he bought a house.");
    EXPECT_EQ(By("LastYearTakesNoPreposition", "Am letzten Montag spielte das Kind."), "Last Monday the child played.");
    EXPECT_EQ(By("LastYearTakesNoPreposition", "Das Kind spielte letzten Monat im Garten."),
              "The child played in the garden last month.");
}

TEST(GermanClauseRules, PredicateAfterTheVerb) {
    EXPECT_EQ(By("PredicateAfterTheVerb", "Der Hund ist im Garten sehr leise."), "The dog is very quiet in the garden.");
    // "nicht" before the last word joins the verbs: "are not quiet"
    EXPECT_EQ(By("PredicateAfterTheVerb", "Ich sehe, dass die Hunde im Garten nicht leise sind."),
              "I see that the dogs are not quiet in the garden.");
    // an adjective of a noun phrase stays in it
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Das Haus ist älter als das neue.").text,
              "The house is older than the new.");
}

TEST(GermanClauseRules, NichtBeforeTheLastWordNegatesTheVerb) {
    EXPECT_EQ(By("NichtJoinsTheVerbGroup", "Der Hund bellt nicht laut."), "The dog does not bark loudly.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Das Buch ist nicht nur teuer.").text,
              "The book is not only expensive.");
}

TEST(GermanWordRules, DemonstrativeAgreesInNumber) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Diese Kinder spielen.").text, "These children play.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Dieses Kind spielt.").text, "This child plays.");
    // a plural-only noun is plural, and its English is plural already
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Diese Menschenrechte sind wichtig.").text,
              "These human rights are important.");
}

TEST(GermanWordRules, GenitiveDeterminerIsOf) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Das Haus meiner Familie ist alt.").text,
              "The house of my family is old.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Die Mutter dieser Kinder schläft.").text,
              "The mother of these children sleeps.");
    // after a preposition the "of" is the preposition's, and "a" becomes "an" before a vowel
    EXPECT_EQ(By("GenitiveAfterAPrepositionHasNoOf", "Der Hund schl\xE4" "ft wegen eines Mannes."),
              "The dog sleeps because of a man.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund schl\xE4" "ft wegen eines alten Mannes.").text,
              "The dog sleeps because of an old man.");
}

TEST(GermanWordRules, SelbstTakesItsEnglishFromTheWordBefore) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Das Haus selbst ist alt.").text, "The house itself is old.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Er selbst schläft.").text, "He himself sleeps.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Die Kinder selbst spielen.").text,
              "The children themselves play.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Selbst der Vater schläft.").text, "Even the father sleeps.");
}

TEST(GermanClauseRules, ConditionTakesThePast) {
    EXPECT_EQ(By("ConditionTakesThePast", "Wenn der Hund schlafen würde, wäre er leise."),
              "If the dog slept, he would be quiet.");
    EXPECT_EQ(By("ConditionTakesThePast", "Der Hund wäre leise, wenn er geschlafen hätte."),
              "The dog would be quiet if he had slept.");
    // negated, the past takes "did"; "had" and "were" take "not" themselves
    EXPECT_EQ(By("ConditionTakesThePast", "Wenn der Hund nicht schlafen w\xFCrde, w\xE4re er leise."),
              "If the dog did not sleep, he would be quiet.");
    EXPECT_EQ(By("ConditionTakesThePast", "Der Hund w\xE4re leise, wenn er nicht geschlafen h\xE4tte."),
              "The dog would be quiet if he had not slept.");
    // a real condition keeps its tense
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Wenn der Hund schläft, ist er leise.").text,
              "If the dog sleeps, he is quiet.");
}

TEST(GermanClauseRules, QuestionsAskWithAWholePhrase) {
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    EXPECT_EQ(By("QuestionPutsTheAuxiliaryFirst", "Wie alt ist der Hund?"), "How old is the dog?");
    EXPECT_EQ(de("Wie lange schläft der Hund?"), "How long does the dog sleep?");
    EXPECT_EQ(de("Welches Buch liest der Mann?"), "Which book does the man read?");
    // the asking word as the subject keeps the English order
    EXPECT_EQ(By("SubjectBeforeTheVerb", "Wer liest das Buch?"), "Who reads the book?");
    EXPECT_EQ(de("Wessen Buch ist das?"), "Whose book is that?");
    // an indirect question keeps its phrase and takes no comma
    EXPECT_EQ(de("Ich sehe, wie alt der Hund ist."), "I see how old the dog is.");
}

TEST(GermanWordRules, IhrByItsRole) {
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    EXPECT_EQ(de("Ich gab ihr das Buch."), "I gave her the book.");
    // before a noun it is her or their, by the subject named before it
    EXPECT_EQ(de("Die Mutter sieht ihr Kind."), "The mother sees her child.");
    EXPECT_EQ(de("Die Kinder sehen ihre Mutter."), "The children see their mother.");
    // a thing's is "its", a woman named by her -in is "her"
    EXPECT_EQ(de("Die Stadt sieht ihren Garten."), "The town sees its garden.");
    EXPECT_EQ(de("Die Lehrerin sieht ihren Garten."), "The Lehrerin sees her garden.");
    EXPECT_EQ(de("Seht ihr den Hund?"), "Do you see the dog?");
}

TEST(GermanClauseRules, ReflexivePronounIsLeftOut) {
    EXPECT_EQ(By("ReflexivePronounIsLeftOut", "Ich freue mich."), "I am glad.");
    EXPECT_EQ(By("ReflexivePronounIsLeftOut", "Wir freuen uns."), "We are glad.");
    // "als" that opens the clause is no comparison: "ich" is the subject
    EXPECT_EQ(By("ReflexivePronounIsLeftOut", "Als ich mich freute, bellte der Hund."), "When I was glad, the dog barked.");
    // another person's pronoun is an object
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Er sieht mich.").text, "He sees me.");
}

TEST(GermanClauseRules, NegatedModalsSayWhatGermanMeans) {
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    EXPECT_EQ(de("Das Kind will nicht schlafen."), "The child does not want to sleep.");
    EXPECT_EQ(de("Der Hund kann nicht schlafen."), "The dog cannot sleep.");
    // "muss nicht" is "does not have to"; "man" agrees as the generic "you"
    EXPECT_EQ(de("Man muss nicht schlafen."), "You do not have to sleep.");
    EXPECT_EQ(de("Das Kind wollte nicht schlafen."), "The child did not want to sleep.");
}

TEST(GermanClauseRules, AClauseInFrontCanBeTheSubject) {
    EXPECT_EQ(By("QuestionPutsTheAuxiliaryFirst", "Dass der Hund schläft, ist wichtig."),
              "That the dog sleeps, is important.");
    // with a subject of its own the verb takes it after the clause in front
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Wenn der Hund schläft, spielt das Kind.").text,
              "If the dog sleeps, the child plays.");
}

TEST(GermanClauseRules, SubordinateClauseOrder) {
    EXPECT_EQ(By("SubordinateClauseOrder", "Ich sehe, dass er das Buch liest."), "I see that he reads the book.");
    // The subject need not come first in German; in English it does.
    EXPECT_EQ(By("SubordinateClauseOrder", "Ich sehe, dass heute die Kinder spielen."),
              "I see that the children play today.");
    // A relative pronoun is the object when a subject pronoun stands in its clause, or
    // when its case shows it ("den"); a preposition goes with it.
    EXPECT_EQ(By("SubordinateClauseOrder", "Das Buch, das ich lese, ist alt."), "The book that I read is old.");
    EXPECT_EQ(By("SubordinateClauseOrder", "Der Vertrag, den der Mann unterschrieb, ist alt."),
              "The contract that the man signed is old.");
    EXPECT_EQ(By("SubordinateClauseOrder", "Das Haus, in dem der Mann schläft, ist alt."),
              "The house in which the man sleeps is old.");
    // a relative clause may follow the verbs at the end of its noun's clause
    EXPECT_EQ(By("SubordinateClauseOrder", "Ich habe den Vertrag gesehen, den der Mann unterschrieb."),
              "I saw the contract that the man signed.");
    // after a verb no relative clause begins: "die Kinder" are the subject of a clause of their own
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Ich sehe, die Kinder spielen.").text,
              "I see, the children play.");
}

TEST(GermanClauseRules, GovernedPreposition) {
    // the dictionary's "auf jdn./etw. warten :: to wait for sb./sth." and "stolz (auf etw.) :: proud (of sth.)"
    EXPECT_EQ(By("GovernedPreposition", "Er wartet auf den Bus."), "He is waiting for the bus.");
    EXPECT_EQ(By("GovernedPreposition", "Er ist stolz auf den Bus."), "He is proud of the bus.");
    // a verb that governs nothing leaves the preposition to the model
    EXPECT_FALSE(Ran(FixtureTranslation(Direction::GermanToEnglish, "Er schläft auf der Bank."), "GovernedPreposition"));
    // "nach" in front of a main clause says when: not the "search for" of "suchen nach"
    EXPECT_EQ(By("GovernedPreposition", "Er sucht nach dem Hund."), "He searches for the dog.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Nach dem Abend sucht er den Hund.").text,
              "After the evening he searches the dog.");
}

TEST(GermanClauseRules, VerbAfterARelativeClause) {
    EXPECT_EQ(By("VerbAfterARelativeClause", "Der Mann, der dort steht, ist mein Vater."),
              "The man who stands there is my father.");
    EXPECT_EQ(By("VerbAfterARelativeClause", "Die Kinder, die den Hund sahen, spielen im Garten."),
              "The children who saw the dog play in the garden.");
}

TEST(GermanClauseRules, QuestionPutsTheAuxiliaryFirst) {
    EXPECT_EQ(By("QuestionPutsTheAuxiliaryFirst", "Hat er das Buch gelesen?"), "Has he read the book?");
    // After a clause in front the verb comes first; the subject is never lost.
    EXPECT_EQ(By("QuestionPutsTheAuxiliaryFirst", "Wenn er kommt, bellt der Hund."), "If he comes, the dog barks.");
}

TEST(GermanClauseRules, SubjectBeforeTheVerb) {
    EXPECT_EQ(By("SubjectBeforeTheVerb", "Der Hund bellt."), "The dog barks.");
}

TEST(GermanClauseRules, TopicThenSubjectThenVerb) {
    EXPECT_EQ(By("TopicThenSubjectThenVerb", "Heute spielen die Kinder."), "Today the children play.");
    // An object in front, shown by its case, goes behind the verb.
    EXPECT_EQ(By("TopicThenSubjectThenVerb", "Den Brief hat meine Mutter geschrieben."),
              "My mother has written the letter.");
    // a phrase of either case is the object when "ich" follows the verb
    EXPECT_EQ(By("TopicThenSubjectThenVerb", "Das Buch sehe ich."), "I see the book.");
    EXPECT_EQ(By("TopicThenSubjectThenVerb", "Das Buch sieht niemand."), "Nobody sees the book.");
    // ... but a phrase in that case which says when stays in front
    EXPECT_EQ(By("TopicThenSubjectThenVerb", "Diesen Tag sehe ich den Hund."), "This day I see the dog.");
}

TEST(GermanClauseRules, ZuInfinitiveBeforeItsObjects) {
    EXPECT_EQ(By("ZuInfinitiveBeforeItsObjects", "Es ist wichtig, das Buch zu lesen."), "It is important to read the book.");
    EXPECT_EQ(By("ZuInfinitiveBeforeItsObjects", "Er kommt, um das Buch zu kaufen."), "He comes to buy the book.");
    EXPECT_EQ(By("ZuInfinitiveBeforeItsObjects", "Er geht, ohne das Buch zu lesen."), "He goes without reading the book.");
    // an auxiliary's infinitive goes before its predicate too
    EXPECT_EQ(By("ZuInfinitiveBeforeItsObjects", "Es ist wichtig, leise zu sein."), "It is important to be quiet.");
    // "um die" before a zu-infinitive is no preposition of a relative pronoun
    EXPECT_EQ(By("ZuInfinitiveBeforeItsObjects", "Er kommt, um die Katze zu sehen."), "He comes to see the cat.");
}

TEST(GermanClauseRules, ARelativeClauseAfterIstIsAClauseOfItsOwn) {
    EXPECT_EQ(By("SubordinateClauseOrder", "Das ist das Buch, das der Mann liest."), "That is the book that the man reads.");
    EXPECT_EQ(By("SubordinateClauseOrder", "Das ist der Garten, in dem der Hund schl\xE4" "ft."),
              "That is the garden in which the dog sleeps.");
}

TEST(GermanClauseRules, AdjectiveTakesTheZuInfinitive) {
    EXPECT_EQ(By("AdjectiveTakesTheZuInfinitive", "Der Hund ist leicht zu sehen."), "The dog is easy to see.");
    EXPECT_EQ(By("AdjectiveTakesTheZuInfinitive", "Ich sehe, dass das Buch leicht zu lesen ist."),
              "I see that the book is easy to read.");
    // without an adjective it stays a duty of the verb group
    EXPECT_FALSE(Ran(FixtureTranslation(Direction::GermanToEnglish, "Der Hund ist zu sehen."),
                     "AdjectiveTakesTheZuInfinitive"));
}

TEST(GermanClauseRules, ASubjectMayStartWithANumberAndCarryAGenitive) {
    EXPECT_EQ(By("TopicThenSubjectThenVerb", "Heute spielen drei Kinder der Familie."),
              "Today three children of the family play.");
}

TEST(GermanWordRules, EachWordRuleGivesItsWord) {
    EXPECT_EQ(By("AlsByItsNeighbours", "Das Buch ist älter als der Garten."), "The book is older than the garden.");
    // the pronoun after "als" is no subject: the verb agrees with "the dog"
    EXPECT_EQ(By("AlsByItsNeighbours", "Der Hund ist älter als ich."), "The dog is older than I.");
    EXPECT_EQ(By("WieInsideAClauseIsLike", "Er schläft wie ein Hund."), "He sleeps like a dog.");
    EXPECT_EQ(By("SowohlAlsAuchIsBothAnd", "Der Hund sieht sowohl den Mann als auch die Katze."),
              "The dog sees both the man and the cat.");
    EXPECT_EQ(By("VielByWhatFollows", "Der Hund schläft viel."), "The dog sleeps a lot.");
    EXPECT_EQ(By("VielByWhatFollows", "Der Hund ist viel älter."), "The dog is much older.");
    EXPECT_EQ(By("ZuBeforeAnAdjectiveIsToo", "Der Hund ist zu alt."), "The dog is too old.");
    EXPECT_EQ(By("ZuBeforeAnAdjectiveIsToo", "Der Hund schläft zu viel."), "The dog sleeps too much.");
    // before an adjective with its noun, and before an infinitive, "zu" stays "to"
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Er geht zu alten Freunden.").text.find("too"),
              std::string::npos);
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Er versucht, das Buch zu lesen.").text.find("too"),
              std::string::npos);
    EXPECT_EQ(By("WederNochIsNeitherNor", "Der Hund sieht weder den Mann noch die Katze."),
              "The dog sees neither the man nor the cat.");
    EXPECT_EQ(By("GenitiveDerIsOfThe", "Er kauft 11 % der Bücher."), "He buys 11% of the books.");
    EXPECT_NE(By("RelativePronounIsWhoOrWhich", "Der Mann, der dort steht, ist alt.").find(" who "), std::string::npos);
    EXPECT_EQ(By("GenitiveDerIsOfThe", "Das Haus der Familie."), "The house of the family.");
    EXPECT_EQ(By("NoArticleBeforeANameNoun", "Er kommt am Montag."), "He comes on Monday.");
    EXPECT_EQ(By("SieByItsRole", "Ich sehe Sie."), "I see you.");
    EXPECT_EQ(By("VonInAPassiveIsBy", "Das Buch wurde von dem Mann gelesen."), "The book was read by the man.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Das Buch von dem Hund.").text, "The book of the dog.");
    EXPECT_EQ(By("EinerDerIsOneOf", "Einer der Männer schläft."), "One of the men sleeps.");
    EXPECT_EQ(By("EinerDerIsOneOf", "Er sieht einen der alten Hunde."), "He sees one of the old dogs.");
    // "Spieler" may be either number: the group one is taken from is plural
    EXPECT_EQ(By("EinerDerIsOneOf", "Einer der Spieler schläft."), "One of the players sleeps.");
    EXPECT_EQ(By("DasBeforeAVerbIsThat", "Das ist mein Vater."), "That is my father.");
    EXPECT_EQ(By("DasAloneIsThat", "Ist das mein Hund?"), "Is that my dog?");
    // the verb says "from" already
    EXPECT_EQ(By("WoherBeforeAVerbWithFrom", "Woher stammt der Hund?"), "Where does the dog come from?");
    // before a word that cannot go on a noun phrase; adverbs and adjectives before a noun can
    EXPECT_EQ(By("DasAloneIsThat", "Der Mann hat das nicht gesehen."), "The man has not seen that.");
    EXPECT_EQ(By("DasAloneIsThat", "Wenn das im Garten ist, schl\xE4" "ft der Hund."), "If that is in the garden, the dog sleeps.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Das sehr alte Buch ist klein.").text, "The very old book is small.");
    EXPECT_EQ(By("ArticleBeforeBeideIsDropped", "Die beiden Kinder spielen."), "Both children play.");
    // A clause needs a finite verb: "behauptet" is the third person, not the participle.
    EXPECT_EQ(By("DeterminerAloneIsAPronoun", "Keiner behauptet, dass er kommt."), "Nobody claims that he comes.");
}

TEST(GermanClauseRules, TheSubjectOfASubordinateClauseIsFoundPastPhrasesAndObjects) {
    // A number word counts its noun into the plural, and "nur" goes with the subject.
    EXPECT_EQ(By("SubordinateClauseOrder", "Ich sehe, dass nur zwei Kinder den Hund sahen."),
              "I see that only two children saw the dog.");
    EXPECT_EQ(By("SubordinateClauseOrder", "Ich sehe, dass drei von zehn Kindern den Hund sahen."),
              "I see that three of ten children saw the dog.");
}

TEST(GermanWords, AdverbReadingsTermsThatOverlapAndZuInsideAWord) {
    // an uninflected word beside the verb or before an adjective takes its adverb reading
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund bellt fast sofort.").text,
              "The dog barks almost immediately.");
    // "geht nach" is a term of its own, but "nach Hause" reaches further
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Er geht nach Hause.").text, "He goes home.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Er versucht, nach Hause zurückzukehren.").text,
              "He tries to return home.");
}

TEST(GermanWords, APrepositionWithNothingAfterItIsAWordOfItsOwn) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Die Kinder sind laut.").text, "The children are loud.");
    // a separable verb's particle stays a particle
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Er steht auf.").text, "He gets up.");
}

TEST(GermanWords, ASingularDeterminerMakesANounSingular) {
    // "Beamten" is also the plural; after "des" it is not
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Das Buch des Beamten.").text, "The book of the official.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Die Beamten spielen.").text, "The officials play.");
}

TEST(GermanWords, CountedMillionsAndHyphenatedCompounds) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Er kauft drei Millionen Bücher.").text,
              "He buys three million books.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der US-Hund bellt.").text, "The US dog barks.");
    // every part is translated, a head known only by its parts too, and a part whose
    // head comes after "und"
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Garten-Haus-Hund bellt.").text, "The garden house dog barks.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Haus-Stadthund bellt.").text, "The house town dog barks.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund sieht Garten- und Stadthunde.").text,
              "The dog sees garden and town dogs.");
}

TEST(GermanClauseRules, AVerbFirstAfterUndSharesTheSubject) {
    EXPECT_EQ(By("VerbFirstAfterUndSharesTheSubject", "Der Hund bellte und sah den Mann."), "The dog barked and saw the man.");
    EXPECT_EQ(By("VerbFirstAfterUndSharesTheSubject", "Der Hund stand auf, sah den Mann und bellte."),
              "The dog got up, saw the man and barked.");
    // a clause after a comma alone, or with a pronoun after its verb, has a subject of its own
    Translation t = FixtureTranslation(Direction::GermanToEnglish, "Der Hund bellte, sah er den Mann.");
    EXPECT_EQ(std::count(t.rules.begin(), t.rules.end(), "VerbFirstAfterUndSharesTheSubject"), 0) << t.text;
}

TEST(GermanWordRules, AlsObIsAsIfAndJeDestoIsTheThe) {
    EXPECT_EQ(By("AlsObIsAsIf", "Der Hund bellt, als ob er alt wäre."), "The dog barks as if he were old.");
    // "als" and the verb first: the subject still comes before it in English
    EXPECT_EQ(By("AlsObIsAsIf", "Der Hund bellt, als wäre er alt."), "The dog barks as if he were old.");
    EXPECT_EQ(By("JeDestoIsTheThe", "Je älter der Hund ist, desto mehr schläft er."),
              "The older the dog is, the more he sleeps.");
    // "als" after a comparative stays "than"
    EXPECT_NE(By("AlsByItsNeighbours", "Der Hund ist älter, als der Mann glaubt.").find("older than the man"), std::string::npos);
}

TEST(GermanClauseRules, AMasculineNominativeAfterTheVerbIsTheSubject) {
    EXPECT_EQ(By("TopicThenSubjectThenVerb", "Das Buch liest der Mann."), "The man reads the book.");
    EXPECT_EQ(By("TopicThenSubjectThenVerb", "Das Buch gibt mir der Mann."), "The man gives me the book.");
    // a feminine or neuter phrase after the verb may be either case: the first stays the subject
    EXPECT_EQ(By("SubjectBeforeTheVerb", "Das Kind sieht die Katze."), "The child sees the cat.");
}

TEST(GermanClauseRules, GehenWithAnInfinitiveIsGoDoing) {
    EXPECT_EQ(By("GehenWithAnInfinitiveIsGoDoing", "Der Hund geht schlafen."), "The dog goes to bed.");
    EXPECT_EQ(By("GehenWithAnInfinitiveIsGoDoing", "Die Kinder gingen spielen."), "The children went playing.");
}

TEST(GermanClauseRules, PhrasesJoinedByUndAtTheSentencesEndStayInTheirClause) {
    EXPECT_EQ(By("TimeGoesLast", "Der Hund sieht heute den Mann und die Frau."), "The dog sees the man and the woman today.");
    // adjectives of a predicate and a subject of its own are left as they were
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund ist alt aber leise.").text, "The dog is old but quiet.");
}

TEST(GermanClauseRules, ObjectBeforeItsPhrases) {
    EXPECT_EQ(By("ObjectBeforeItsPhrases", "Ich habe im Garten einen Hund gesehen."), "I saw a dog in the garden.");
    EXPECT_EQ(By("ObjectBeforeItsPhrases", "Der Mann hat mit dem Hund einen Garten gekauft."),
              "The man has bought a garden with the dog.");
    // a phrase after another noun phrase, and one with "von", may belong to that noun: they stay
    const Translation t = FixtureTranslation(Direction::GermanToEnglish, "Der Mann hat die Frau von dem Hund einen Garten gesehen.");
    EXPECT_FALSE(Ran(t, "ObjectBeforeItsPhrases")) << t.text;
}

TEST(GermanClauseRules, LikingAdverbIsLike) {
    EXPECT_EQ(By("LikingAdverbIsLike", "Der Hund schl\xE4" "ft gern."), "The dog likes to sleep.");
    EXPECT_EQ(By("LikingAdverbIsLike", "Der Hund schl\xE4" "ft nicht gern."), "The dog does not like to sleep.");
    EXPECT_EQ(By("LikingAdverbIsLike", "Der Hund w\xFCrde gerne schlafen."), "The dog would like to sleep.");
    // "haben" alone becomes "like" itself; a modal already says it
    EXPECT_EQ(By("LikingAdverbIsLike", "Ich h\xE4tte gern ein Buch."), "I would like a book.");
    EXPECT_EQ(By("LikingAdverbIsLike", "Ich habe den Hund gern."), "I like the dog.");
    EXPECT_EQ(By("LikingAdverbIsLike", "Ich m\xF6" "chte gern ein Buch."), "I would like a book.");
}

TEST(GermanClauseRules, ReflexiveVerbWithItsPreposition) {
    EXPECT_EQ(By("ReflexiveVerbWithItsPreposition", "Der Hund freute sich auf den Garten."), "The dog looked forward to the garden.");
    // the same verb without its preposition keeps its own English
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund freut sich.").text, "The dog is glad.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund freut sich nicht.").text, "The dog is not glad.");
    // a verb reflexive only with its preposition leaves out the subject's own pronoun as well
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Ich interessiere mich f\xFCr den Garten.").text,
              "I am interested in the garden.");
}

TEST(GermanClauseRules, ReflexiveVerbWithASenseOfItsOwn) {
    EXPECT_EQ(By("ReflexiveVerbWithASenseOfItsOwn", "Der Hund erinnert sich."), "The dog remembers.");
    EXPECT_EQ(By("ReflexiveVerbWithASenseOfItsOwn", "Ich erinnere mich nicht."), "I do not remember.");
    // a verb the dictionary calls reflexive: its pronoun is left out, and the sense still holds
    EXPECT_EQ(By("ReflexiveVerbWithASenseOfItsOwn", "Ich frage mich, ob der Hund schl\xE4" "ft."), "I wonder whether the dog sleeps.");
    // with another person's pronoun the verb has its object
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund erinnert mich.").text, "The dog reminds me.");
}

TEST(GermanClauseRules, EsWithAVerbOfItsOwn) {
    EXPECT_EQ(By("EsWithAVerbOfItsOwn", "Es geht um den Hund."), "It is about the dog.");
    EXPECT_EQ(By("EsWithAVerbOfItsOwn", "Geht es nicht um den Hund?"), "Is it not about the dog?");
    // the da-word of the preposition, left out when nothing follows it
    EXPECT_EQ(By("EsWithAVerbOfItsOwn", "Es kommt darauf an."), "It depends.");
    // without "es" the verb is itself
    EXPECT_FALSE(Ran(FixtureTranslation(Direction::GermanToEnglish, "Der Mann geht um den Garten."), "EsWithAVerbOfItsOwn"));
}

TEST(GermanClauseRules, PlaceVerbOfAThingIsBe) {
    EXPECT_EQ(By("PlaceVerbOfAThingIsBe", "Das Buch steht im Garten."), "The book is in the garden.");
    // its preposition says where, and the subject may follow the verb
    EXPECT_EQ(By("PlaceVerbOfAThingIsBe", "Heute steht das Buch vor dem Haus."), "Today the book is in front of the house.");
    // a person still stands
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Vater steht im Garten.").text, "The father stands in the garden.");
}

TEST(GermanClauseRules, HabenWithAPredicateIsBe) {
    EXPECT_EQ(By("HabenWithAPredicateIsBe", "Der Hund hat Hunger."), "The dog is hungry.");
    EXPECT_EQ(By("HabenWithAPredicateIsBe", "Der Hund hatte Hunger."), "The dog was hungry.");
    // with an adjective or article the noun stays a noun
    EXPECT_FALSE(Ran(FixtureTranslation(Direction::GermanToEnglish, "Der Hund hat alten Hunger."), "HabenWithAPredicateIsBe"));
    // an adjective that says how much is the adverb before the predicate
    EXPECT_EQ(By("HabenWithAPredicateIsBe", "Der Hund hat gro\xDF" "en Hunger."), "The dog is very hungry.");
}

TEST(GermanToEnglishReadings, AnExtendedAttributeFollowsItsNoun) {
    // a preposition's phrase and a participle between the article and its noun
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann liest das im Garten gekaufte Buch.").text,
              "The man reads the book bought in the garden.");
    // the phrase is the subject as a whole, and "von" names the participle's agent
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Das von dem Mann gekaufte Buch ist klein.").text,
              "The book bought by the man is small.");
    // an adverb and an adjective before the noun are no extended attribute
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann liest das sehr kleine Buch.").text,
              "The man reads the very small book.");
}

TEST(GermanToEnglishReadings, AnInfinitiveWithACapitalIsANounInIng) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Das Lesen ist wichtig.").text, "The reading is important.");
    // at the sentence's start the capital says nothing
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Lesen Sie das Buch?").text, "Do you read the book?");
}

TEST(GermanClauseRules, ParticipleAfterUndSharesTheAuxiliary) {
    // the verb before its objects, in the form the auxiliary before gave its own
    EXPECT_EQ(By("ParticipleAfterUndSharesTheAuxiliary", "Der Hund hat geschlafen und dann das Buch gesehen."),
              "The dog has slept and then seen the book.");
    EXPECT_EQ(By("ParticipleAfterUndSharesTheAuxiliary", "Der Hund hatte geschlafen und das Buch gesehen."),
              "The dog had slept and seen the book.");
}

TEST(GermanWordRules, WieReportingIsAs) {
    // a verb of reporting at the clause's end: the clause reports, with its comma
    EXPECT_EQ(By("WieReportingIsAs", "Der Hund schl\xE4" "ft, wie der Mann sagte."), "The dog sleeps, as the man said.");
    // any other verb: the clause asks
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann sieht, wie der Hund schl\xE4" "ft.").text,
              "The man sees how the dog sleeps.");
}

TEST(GermanWordRules, InAPlaceOfGoingIsTo) {
    EXPECT_EQ(By("InAPlaceOfGoingIsTo", "Der Mann geht ins Kino."), "The man goes to the cinema.");
    // any other place is gone into
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann geht ins Haus.").text, "The man goes into the house.");
    // a place English names in its own way
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann schl\xE4" "ft in M\xFCnchen.").text, "The man sleeps in Munich.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Garten M\xFCnchens ist alt.").text, "The garden of Munich is old.");
    // the place's word in -er before a noun is its name
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der M\xFCnchner Garten ist alt.").text, "The Munich garden is old.");
}

TEST(GermanWordRules, NachBeforeAPlaceIsTo) {
    EXPECT_EQ(By("NachBeforeAPlaceIsTo", "Der Mann geht nach Berlin."), "The man goes to Berlin.");
    EXPECT_EQ(By("NachBeforeAPlaceIsTo", "Der Mann geht nach K\xF6ln."), "The man goes to Cologne.");
    // before anything else it stays the dictionary's "after"
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann schl\xE4" "ft nach dem Abend.").text,
              "The man sleeps after the evening.");
}

TEST(GermanToEnglishWords, AYearStandingAloneIsATime) {
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    EXPECT_EQ(de("Der Mann schlief 1990 in Berlin."), "The man slept in 1990 in Berlin.");
    EXPECT_EQ(de("1990 schlief der Mann."), "The man slept in 1990.");
    // a named year is over: the perfect is the simple past even in a report
    EXPECT_EQ(de("Der Mann hat das Buch 1990 gelesen."), "The man read the book in 1990.");
    // a preposition, a noun or a counted noun around it: no time of its own
    EXPECT_EQ(de("Der Mann schl\xE4" "ft seit 1990."), "The man has slept since 1990.");
    EXPECT_EQ(de("Der Mann sah 1990 Hunde."), "The man saw 1990 dogs.");
    EXPECT_EQ(de("Der Mann schlief zwischen 1990 und 1995."), "The man slept between 1990 and 1995.");
}

TEST(GermanWordRules, PossessiveAloneIsMine) {
    EXPECT_EQ(By("PossessiveAloneIsMine", "Der Hund ist \xE4lter als meiner."), "The dog is older than mine.");
    EXPECT_EQ(By("PossessiveAloneIsMine", "Das Buch ist meins."), "The book is mine.");
    EXPECT_EQ(By("PossessiveAloneIsMine", "Der Mann sieht den Hund mit seinem."), "The man sees the dog with his.");
    // before its noun, and as a genitive after one, it stays the determiner
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund ist \xE4lter als meiner Katze.").text,
              "The dog is older than my cat.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Das Haus meiner Kinder ist alt.").text,
              "My children's house is old.");
}

TEST(GermanToEnglishReadings, ADeterminerFormNextToASubjectIsTheVerb) {
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    EXPECT_EQ(de("Ich meine, dass der Hund schl\xE4" "ft."), "I mean that the dog sleeps.");
    EXPECT_EQ(de("Was meinen Sie?"), "What do you mean?");
    EXPECT_EQ(de("Ich sehe meinen Hund."), "I see my dog.");
}

TEST(GermanToEnglishWords, RelativeWasByWhatItAddsTo) {
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    // after "alles", "etwas", "nichts": "that", and no comma
    EXPECT_EQ(de("Der Mann liest alles, was er sieht."), "The man reads everything that he sees.");
    // after a whole clause: "which", and the comma stays
    EXPECT_EQ(de("Der Hund schl\xE4" "ft im Garten, was der Mann sieht."), "The dog sleeps in the garden, which the man sees.");
    // after "das": what
    EXPECT_EQ(de("Der Mann sieht das, was der Hund liest."), "The man sees what the dog reads.");
    // after a verb of saying or asking it asks: what
    EXPECT_EQ(de("Der Mann sagt, was er sieht."), "The man says what he sees.");
}

TEST(GermanToEnglishReadings, AParticipleAfterAComparisonsAlsEndsTheComparison) {
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    EXPECT_EQ(de("Der Hund ist \xE4lter als erwartet."), "The dog is older than expected.");
    EXPECT_EQ(de("Der Hund hat l\xE4nger geschlafen als erwartet."), "The dog has slept longer than expected.");
    // without a comparative "als" opens a clause of its own
    EXPECT_EQ(de("Der Mann erwartet den Hund."), "The man expects the dog.");
}

TEST(GermanClauseRules, DativeOfAVerbWithToTakesTo) {
    EXPECT_EQ(By("DativeOfAVerbWithToTakesTo", "Das Buch geh\xF6rt dem Mann."), "The book belongs to the man.");
    EXPECT_EQ(By("DativeOfAVerbWithToTakesTo", "Das Buch geh\xF6rt mir nicht."), "The book does not belong to me.");
    // after a preposition the dative has its own word
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Das Buch geh\xF6rt zu dem Haus.").text,
              "The book belongs to the house.");
}

TEST(GermanToEnglishReadings, TheOneWhoLikesIsTheSubject) {
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    EXPECT_EQ(de("Der Hund gef\xE4llt mir."), "I like the dog.");
    EXPECT_EQ(de("Mir gef\xE4llt der Hund nicht."), "I do not like the dog.");
    EXPECT_EQ(de("Gef\xE4llt dir das Buch?"), "Do you like the book?");
    EXPECT_EQ(de("Das Buch hat mir gut gefallen."), "I liked the book very much.");
    // without a dative the verb keeps its own sense
    EXPECT_EQ(de("Der Hund gef\xE4llt."), "The dog pleases.");
}

TEST(GermanToEnglishReadings, BornIsAParticipleOfItsOwn) {
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    EXPECT_EQ(de("Der Mann ist 1990 geboren."), "The man was born in 1990.");
    EXPECT_EQ(de("Der Hund wurde im Garten geboren."), "The dog was born in the garden.");
    // with "haben" the verb keeps its own sense
    EXPECT_EQ(de("Die Katze hat ein Kind geboren."), "The cat has given birth a child.");
    // "bekannt" after "sein" is known, now and not in the past; with "haben" it is avowed
    EXPECT_EQ(de("Der Mann ist bekannt."), "The man is known.");
    EXPECT_EQ(de("Der Mann hat den Hund bekannt."), "The man has avowed the dog.");
}

TEST(GermanClauseRules, HereIsTheSubject) {
    EXPECT_EQ(By("HereIsTheSubject", "Hier ist der Hund."), "Here is the dog.");
    // a pronoun, or another verb, take the usual order
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Hier ist er.").text, "Here he is.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Hier schl\xE4" "ft der Hund.").text, "Here the dog sleeps.");
}

TEST(GermanToEnglishWords, ModalsOfTheSecondPerson) {
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    EXPECT_EQ(de("K\xF6nntest du den Hund sehen?"), "Could you see the dog?");
    EXPECT_EQ(de("Du solltest das Buch lesen."), "You should read the book.");
    EXPECT_EQ(de("Du musstest den Hund sehen."), "You had to see the dog.");
}

TEST(GermanToEnglishReadings, AnAdjectivesSenseByWhetherItsNounIsAPerson) {
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    EXPECT_EQ(de("Der j\xFCngste Mann schl\xE4" "ft."), "The youngest man sleeps.");
    EXPECT_EQ(de("Die j\xFCngsten B\xFC" "cher sind alt."), "The latest books are old.");
}

TEST(GermanToEnglishVerbs, NotFollowsTheFirstAuxiliaryAndAQuestionKeepsItsPredicate) {
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    EXPECT_EQ(de("Ich h\xE4" "tte das Buch nicht gelesen."), "I would not have read the book.");
    EXPECT_EQ(de("Der Hund w\xE4re nicht gekommen."), "The dog would not have come.");
    EXPECT_EQ(de("F\xFChlst du dich heute m\xFC" "de?"), "Do you feel tired today?");
}

TEST(GermanWordRules, TheBodyPartOfTheSubjectIsTheirs) {
    EXPECT_EQ(By("TheBodyPartOfTheSubjectIsTheirs", "Der Mann w\xE4scht sich die H\xE4nde."), "The man washes his hands.");
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    EXPECT_EQ(de("Ich wasche mir die H\xE4nde."), "I wash my hands.");
    EXPECT_EQ(de("Die Kinder waschen sich die H\xE4nde."), "The children wash their hands.");
    // "mir" of another subject is no reflexive: the hands stay the hands
    EXPECT_EQ(de("Er w\xE4scht mir die H\xE4nde."), "He washes me the hands.");
}

TEST(GermanWordRules, VielAfterSehrIsMuch) {
    EXPECT_EQ(By("VielByWhatFollows", "Der Hund schl\xE4" "ft sehr viel."), "The dog sleeps very much.");
    EXPECT_EQ(By("VielByWhatFollows", "Der Hund schl\xE4" "ft viel."), "The dog sleeps a lot.");
}

TEST(GermanWordRules, SehrWithAVerbIsVeryMuch) {
    EXPECT_EQ(By("SehrWithAVerbIsVeryMuch", "Der Mann sieht den Hund sehr."), "The man sees the dog very much.");
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    EXPECT_EQ(de("Der Mann hat den Hund sehr gesehen."), "The man has seen the dog a lot.");
    EXPECT_EQ(de("Der Mann sieht den Hund so sehr."), "The man sees the dog so much.");
    // before an adjective, or a comma and another one, it stays "very"
    EXPECT_EQ(de("Der Hund ist sehr, sehr alt."), "The dog is very, very old.");
}

TEST(GermanClauseRules, VeryBeforeTheAdjectiveOfABeVerb) {
    EXPECT_EQ(By("VeryBeforeTheAdjectiveOfABeVerb", "Der Hund freut sich sehr."), "The dog is very glad.");
    EXPECT_EQ(By("VeryBeforeTheAdjectiveOfABeVerb", "Der Hund hat sich sehr gefreut."), "The dog has been very glad.");
}

TEST(GermanClauseRules, NochThatGoesOnIsStillBeforeTheVerb) {
    EXPECT_EQ(By("FrequencyAdverbBeforeTheVerb", "Der Hund schl\xE4" "ft noch."), "The dog still sleeps.");
    EXPECT_EQ(By("FrequencyAdverbBeforeTheVerb", "Der Hund schl\xE4" "ft immer noch im Garten."), "The dog still sleeps in the garden.");
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    // before a comparative it is "even", before "nicht" it waits for "yet"
    EXPECT_EQ(de("Der Hund ist noch \xE4lter."), "The dog is even older.");
    EXPECT_EQ(de("Der Hund schl\xE4" "ft noch nicht."), "The dog does not sleep yet.");
}

TEST(GermanWordRules, DativePronounAfterAnObjectPronounTakesTo) {
    EXPECT_EQ(By("DativePronounAfterAnObjectPronounTakesTo", "Der Mann gibt es ihm."), "The man gives it to him.");
    // a dative before the object stays bare, and "es gibt" with a dative is giving
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann gibt ihm das Buch.").text, "The man gives him the book.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Er gibt es mir.").text, "He gives it to me.");
}

TEST(GermanClauseRules, VerbFirstConditionIsIf) {
    EXPECT_EQ(By("VerbFirstConditionIsIf", "W\xE4re der Hund alt, w\xFCrde der Mann schlafen."),
              "If the dog were old, the man would sleep.");
    EXPECT_EQ(By("VerbFirstConditionIsIf", "H\xE4tte der Mann den Hund gesehen, w\xE4re er gekommen."),
              "If the man had seen the dog, he would have come.");
    // a question with the same verb asks, and "would" lets its subject in after itself
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "H\xE4ttest du einen Hund?").text, "Would you have a dog?");
}

TEST(GermanClauseRules, AlmostHappenedIsThePast) {
    EXPECT_EQ(By("AlmostHappenedIsThePast", "Der Hund h\xE4tte den Mann fast gesehen."), "The dog almost saw the man.");
    // beside a condition it stays unreal
    EXPECT_NE(FixtureTranslation(Direction::GermanToEnglish, "Der Hund h\xE4tte den Mann fast gesehen, wenn er alt w\xE4re.")
                  .text.find("would have seen"),
              std::string::npos);
}

TEST(GermanToEnglishVerbs, WerdenWithAComparativeIsGet) {
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    // a main clause tells a change as going on; a clause with its verb last does not
    EXPECT_EQ(de("Der Hund wird \xE4lter."), "The dog is getting older.");
    EXPECT_EQ(de("Der Hund wird alt."), "The dog is getting old.");
    EXPECT_EQ(de("Wenn der Hund alt wird, liest der Mann."), "If the dog gets old, the man reads.");
    EXPECT_EQ(de("Der Hund wurde alt."), "The dog got old.");
}

TEST(GermanWordRules, UmBeforeAnAmountIsBy) {
    EXPECT_EQ(By("UmBeforeAnAmountIsBy", "Der Preis stieg um drei Prozent."), "The price rose by three percent.");
    EXPECT_EQ(By("UmBeforeAnAmountIsBy", "Der Preis stieg um 5 Prozent."), "The price rose by 5 percent.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund kommt um 8 Uhr.").text, "The dog comes at 8 o'clock.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund kommt, um drei Tage zu schlafen.").text,
              "The dog comes to sleep three days.");
}

TEST(GermanClauseRules, VerbWithItsPrepositionTakesItsSense) {
    EXPECT_EQ(By("VerbWithItsPrepositionTakesItsSense", "Der Mann stimmte f\xFCr den Hund."), "The man voted for the dog.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Das stimmt.").text, "That is right.");
    // a phrase in front is the topic's, not the verb's
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "F\xFCr den Hund stimmt es.").text, "For the dog it is right.");
}

TEST(GermanWordRules, AnAdverbsSynonymsListedWithCommasAreSensesOfTheirOwn) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund schl\xE4" "ft mindestens.").text, "The dog sleeps at a minimum.");
}

TEST(GermanWordRules, SubjunctivesOfStrongVerbsAndSecondPluralsAreRead) {
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    EXPECT_EQ(de("Der Hund k\xE4me."), "The dog would come.");
    EXPECT_EQ(de("Die Hunde k\xE4men."), "The dogs would come.");
    EXPECT_EQ(de("Die Gener\xE4le schlafen."), "The generals sleep.");
    EXPECT_EQ(de("Die Generale schlafen."), "The generals sleep.");
}

TEST(GermanClauseRules, APassiveOfATimeToComeIsWillBe) {
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    EXPECT_EQ(de("Das Buch wird morgen gekauft."), "The book will be bought tomorrow.");
    EXPECT_EQ(de("Das Buch wird n\xE4" "chste Woche gekauft."), "The book will be bought next week.");
    EXPECT_EQ(de("Das Buch wird gekauft."), "The book is bought.");
}

TEST(GermanClauseRules, TheDativeOfAPassiveWithoutASubjectIsTheSubject) {
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    EXPECT_EQ(de("Mir wurde nicht geholfen."), "I was not helped.");
    EXPECT_EQ(de("Uns wurde gesagt, dass der Hund schl\xE4" "ft."), "We were told that the dog sleeps.");
    EXPECT_EQ(de("Der Mann hat mir geholfen."), "The man has helped me.");
    EXPECT_EQ(de("Mir ist heute sehr kalt."), "I am very cold today.");
}

TEST(GermanWordRules, AThirdPersonAfterDuIchOrWirIsNoVerbOfTheirs) {
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    EXPECT_EQ(de("Ich glaube, dass du recht hast."), "I believe that you are right.");
    EXPECT_EQ(de("Du schl\xE4" "fst."), "You sleep.");
}

TEST(GermanWordRules, AParticipleWithGeIsOfTheVerbWithoutItBeforeTheRarerGeVerb) {
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    EXPECT_EQ(de("Der Hund wurde vom Mann gelobt."), "The dog was praised by the man.");
    EXPECT_EQ(de("Das Buch geh\xF6rt dem Mann."), "The book belongs to the man.");
}

TEST(GermanClauseRules, EsGibtWithWerdenOrAModalIsThereWillBe) {
    auto de = [](const char* sentence) { return FixtureTranslation(Direction::GermanToEnglish, sentence).text; };
    EXPECT_EQ(de("Morgen wird es Regen geben."), "Tomorrow there will be rain.");
    EXPECT_EQ(de("Wird es Regen geben?"), "Will there be rain?");
    EXPECT_EQ(de("Der Mann wird es dem Hund geben."), "The man will give it to the dog.");
}

TEST(GermanWordRules, MehrAfterANegationIsAnymore) {
    EXPECT_EQ(By("MehrAfterANegationIsAnymore", "Der Hund hat keinen Garten mehr."), "The dog has no garden anymore.");
    EXPECT_EQ(By("MehrAfterANegationIsAnymore", "Der Hund kommt nicht mehr."), "The dog does not come anymore.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund hat mehr G\xE4rten.").text, "The dog has more gardens.");
}

TEST(GermanClauseRules, VerbTakesItsSenseFromItsObject) {
    EXPECT_EQ(By("VerbTakesItsSenseFromItsObject", "Der Mann hielt eine Rede."), "The man gave a speech.");
    EXPECT_EQ(By("VerbTakesItsSenseFromItsObject", "Der Mann traf eine Entscheidung."), "The man made a decision.");
    // without its object the verb keeps its own English
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann traf den Hund.").text, "The man met the dog.");
    // a verb joined by its particle, and the last part of a compound (table verb-with-object: tuer abschliessen)
    EXPECT_EQ(By("VerbTakesItsSenseFromItsObject", "Der Mann schloss die T\xFC" "r ab."), "The man locked the door.");
    EXPECT_EQ(By("VerbTakesItsSenseFromItsObject", "Die Haust\xFC" "r war abgeschlossen."), "The front door was locked.");
}

TEST(GermanToEnglishReadings, APhraseWrittenWithItsFiniteVerbIsTakenWholeAndAsksAsAWhole) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Wie geht es dir?").text, "How are you?");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Um wie viel Uhr schl\xE4" "ft der Hund?").text,
              "At what time does the dog sleep?");
}

TEST(GermanReadings, AnAdjectiveInEWithoutADeterminerMakesASameFormNounPlural) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund sieht alte Lehrer.").text, "The dog sees old teachers.");
    // the fixture lists "alte" as a word of no class as well: the adjective's reading stands beside it
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der alte Lehrer schl\xE4" "ft.").text, "The old teacher sleeps.");
    // with a determiner, or in -er, it is the singular
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund sieht den alten Lehrer.").text, "The dog sees the old teacher.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Ein alter Lehrer schl\xE4" "ft.").text, "An old teacher sleeps.");
}

TEST(GermanReadings, APlaceListedOnlyAsItsPeopleIsAName) {
    // table place-as-name: the dictionary's "Papua {pl}" is the word for the people
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund schl\xE4" "ft in Papua.").text, "The dog sleeps in Papua.");
}

TEST(GermanWordRules, AThirdPersonEndingTheClauseAfterAnAuxiliaryIsAParticiple) {
    // "erinnert" without a listed participle: after "wurde" it is one
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann wurde gestern erinnert.").text,
              "The man was reminded yesterday.");
}

TEST(GermanWordRules, APostpositionGoesBeforeItsNounPhrase) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Dem Mann zufolge schl\xE4" "ft der Hund.").text,
              "According to the man the dog sleeps.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund schl\xE4" "ft dem Mann zufolge.").text,
              "The dog sleeps according to the man.");
}

TEST(GermanClauseRules, ComingAndGoingUnderWayIsProgressiveButATimetableIsNot) {
    EXPECT_EQ(By("MovementUnderWayIsProgressive", "Der Hund kommt heute nicht."), "The dog is not coming today.");
    EXPECT_EQ(By("MovementUnderWayIsProgressive", "Wir gehen jetzt."), "We are going now.");
    EXPECT_EQ(By("MovementUnderWayIsProgressive", "Kommt der Hund?"), "Is the dog coming?");
    // a timetable, an origin, what no longer happens and what "das" says keep the simple present
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Wann kommt der Hund?").text, "When does the dog come?");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund kommt nicht mehr.").text,
              "The dog does not come anymore.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Das geht nicht.").text, "That does not go.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund kommt oft.").text, "The dog often comes.");
}

TEST(GermanClauseRules, AVerbWhoseEnglishBringsThePrepositionSaysItOnce) {
    // "stammen" is "come from": "aus" gives the same "from" and English says it once
    EXPECT_EQ(By("VerbsPrepositionIsSaidOnce", "Das Buch stammt aus dem Garten."), "The book comes from the garden.");
    EXPECT_EQ(By("VerbsPrepositionIsSaidOnce", "Der Hund stammt aus Berlin."), "The dog comes from Berlin.");
}

TEST(GermanClauseRules, APluralBeforeAVerbOfOneIsNoSubjectAndAnOrdinalIsAnAdjective) {
    // "Drei Tage" cannot be the subject of "sah": the subject follows the verb
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Drei Tage nach dem Garten sah der Mann den Hund.").text,
              "Three days after the garden the man saw the dog.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Die Hunde bellten.").text, "The dogs barked.");
    // "zweiter" has no class in the dictionary; it belongs to its noun phrase
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Dann kam ein zweiter Hund.").text, "Then a second dog came.");
}

TEST(GermanClauseRules, APronounAfterATermOfComparisonIsNoSubject) {
    // "gr\xF6\xDF" "er als" comes as one term; "ich" after it does not make the verb "am"
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund ist gr\xF6\xDF" "er als ich.").text,
              "The dog is greater than I.");
}

// After an article "ganz" is whole (alone, "ganz Europa", it keeps its first sense: all).
TEST(GermanContentWords, AnAdjectiveAfterAnArticleTakesTheSenseItsTableGives) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund schl\xE4" "ft den ganzen Tag.").text,
              "The dog sleeps the whole day.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Ein ganzer Tag.").text, "A whole day.");
}

// "nicht" before a quantifier negates the quantifier alone: not all of them, not the verb.
TEST(GermanClauseRules, NichtBeforeAQuantifierStaysWithIt) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Nicht alle Hunde schlafen.").text, "Not all dogs sleep.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Alle Hunde schlafen nicht.").text, "All dogs do not sleep.");
}

// A time of the 24-hour clock is said with its half of the day; a full hour of the
// morning keeps its o'clock.
TEST(GermanWordRules, PrepositionBeforeAClockTime) {
    EXPECT_EQ(By("PrepositionBeforeAClockTime", "Der Hund schl\xE4" "ft um 20.15 Uhr."), "The dog sleeps at 8.15 pm.");
    EXPECT_EQ(By("PrepositionBeforeAClockTime", "Der Hund schl\xE4" "ft gegen 20 Uhr."), "The dog sleeps around 8 pm.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund schl\xE4" "ft um 8 Uhr.").text,
              "The dog sleeps at 8 o'clock.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund schl\xE4" "ft um 0.30 Uhr.").text,
              "The dog sleeps at 12.30 am.");
    // the hour in words, also where a muddled dictionary line makes "drei Uhr" a term of its own
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund kam um drei Uhr.").text,
              "The dog came at three o'clock.");
}

// A unit German counts in the singular is plural in English after a number above one.
TEST(GermanContentWords, AUnitAfterANumberAboveOneIsPlural) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann sieht 20 Euro.").text, "The man sees 20 euros.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann sieht 1 Euro.").text, "The man sees 1 euro.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann sieht 20 Dollar.").text, "The man sees 20 dollars.");
}

TEST(GermanClauseRules, ADayBeforeBeIsTheSubject) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Heute ist Montag.").text, "Today is Monday.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Gestern war ein sch\xF6ner Tag.").text, "Yesterday was a beautiful day.");
    // a pronoun stays the subject, as does another verb's
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Heute ist er m\xFC" "de.").text, "Today he is tired.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Heute schl\xE4" "ft der Hund.").text, "Today the dog sleeps.");
}

TEST(GermanWordRules, HalfBeforeAnHourIsHalfPastTheHourBefore) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund kam um halb drei.").text, "The dog came at half past two.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund kam um halb 1 Uhr.").text, "The dog came at half past 12.");
    // before a noun it counts the noun
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund kam halb drei Tage.").text.find("half past"), std::string::npos);
}

TEST(GermanClauseRules, ImmerNochIsStillAlsoBeforeANegation) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund bellt immer noch nicht.").text, "The dog still does not bark.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund ist immer noch nicht alt.").text, "The dog is still not old.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund bellt noch nicht.").text, "The dog does not bark yet.");
}

TEST(GermanToEnglishReadings, AFormThatIsAVerbAndAnAdjectiveByItsNeighbours) {
    // beside a subject that stands alone it is the verb
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Jeder wei\xDF das.").text, "Everyone knows that.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Das wei\xDF ich.").text, "I know that.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Das Haus sieht jeder.").text, "Everyone sees the house.");
    // after "sein" at the end of its clause, the adjective
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Die Wand ist wei\xDF.").text, "The wall is white.");
}

TEST(GermanWordRules, ALoneSubjectSpeltAlikeInBothNumbersTakesItsVerbsNumber) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Annas Lehrer sind hier.").text, "Annas teachers are here.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Gestern waren Annas Lehrer hier.").text,
              "Yesterday Annas teachers were here.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Annas Lehrer ist hier.").text, "Annas teacher is here.");
}

TEST(GermanWordRules, VerbsJoinedByUndShareTheAuxiliary) {
    // both verbs right after the auxiliary, before the object, in the one form
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann hat das Buch gelesen und gekauft.").text,
              "The man has read and bought the book.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann wird das Buch lesen und kaufen.").text,
              "The man will read and buy the book.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Ich wei\xDF, dass der Mann das Buch gelesen und gekauft hat.").text,
              "I know that the man has read and bought the book.");
}

TEST(GermanWordRules, AdverbsOfTimeAndFocusStandBeforeTheVerb) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann liest dann das Buch.").text, "The man then reads the book.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann liest auch das Buch.").text, "The man also reads the book.");
    // at the clause's end "auch" stays, as "too"
    EXPECT_EQ(By("AuchClosingItsClauseIsToo", "Der Mann liest das Buch auch."), "The man reads the book too.");
}

TEST(GermanWordRules, ACallOfTheDictionaryIsNoTermInsideASentence) {
    // "Gehen wir!" is Let's go! alone, once, and no "Let's go!" before more words
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Gehen wir!").text, "Let's go!");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Gehen wir nach Hause!").text, "We go home!");
}

TEST(GermanWordRules, BeenToAPlaceIsThePresentPerfect) {
    EXPECT_EQ(By("BeenToAPlaceIsThePresentPerfect", "Der Hund war noch nie in Berlin."), "The dog has never been to Berlin.");
    EXPECT_EQ(By("BeenToAPlaceIsThePresentPerfect", "War der Hund schon einmal in Berlin?"), "Has the dog ever been to Berlin?");
    EXPECT_EQ(By("BeenToAPlaceIsThePresentPerfect", "Der Hund war schon einmal in Berlin."),
              "The dog has been to Berlin before.");
    // without a word of experience it was a stay
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund war in Berlin.").text, "The dog was in Berlin.");
}

TEST(GermanWordRules, ARelativeClauseAfterANumberIsOneOfItsOwn) {
    // the number stands for what it counts; the clause has its own verb
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann hat zwei, die er liest.").text, "The man has two that he reads.");
}

TEST(GermanWordRules, DieMeistenIsMostWithNoArticle) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Die meisten Hunde schlafen.").text, "Most dogs sleep.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Die meisten der Hunde schlafen.").text, "Most of the dogs sleep.");
}

TEST(GermanWordRules, APluralDieBeforeAVerbOfOneIsTheObject) {
    // "kauft" cannot agree with "die" of the books: Anna is the subject
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann liest die B\xFC" "cher, die Anna kauft.").text,
              "The man reads the books that Anna buys.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Die Hunde, die im Garten schlafen, sind alt.").text,
              "The dogs that sleep in the garden are old.");
}

TEST(GermanWordRules, VorAPlaceIsInFrontOf) {
    EXPECT_EQ(By("VorAPlaceIsInFrontOf", "Der Hund schl\xE4" "ft vor dem alten Haus."), "The dog sleeps in front of the old house.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund schl\xE4" "ft vor dem Abend.").text,
              "The dog sleeps before the evening.");
}

TEST(GermanClauseRules, PleaseBeforeTheVerb) {
    EXPECT_EQ(By("PleaseBeforeTheVerb", "Kannst du bitte den Hund sehen?"), "Can you please see the dog?");
    EXPECT_EQ(By("PleaseBeforeTheVerb", "Lesen Sie bitte das Buch."), "Please read the book.");
    // a question with "do" keeps it at the end
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Siehst du bitte den Hund?").text, "Do you see the dog please?");
}

TEST(GermanWordRules, BisZumIsUntilOrTo) {
    // until a time, to a place: never "until to the"
    EXPECT_EQ(By("BisZumIsUntilOrTo", "Der Hund schl\xE4" "ft bis zum Abend."), "The dog sleeps until the evening.");
    EXPECT_EQ(By("BisZumIsUntilOrTo", "Der Hund geht bis zum Garten."), "The dog goes to the garden.");
}

TEST(GermanWordRules, GenitivesWithoutAnArticleAndPlacesBeforeTheirNames) {
    // an adjective in the genitive plural after a noun opens the genitive: "of"
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann sieht die H\xE4user alter B\xE4ume.").text,
              "The man sees the houses of old trees.");
    // "alter" before a singular noun is no genitive
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann ist ein alter Mann.").text, "The man is an old man.");
    // a kind of place before its name
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Die Stadt Viersen ist alt.").text, "The city of Viersen is old.");
}

TEST(GermanReadings, ASpanOfTimeBeforeEarlierOrLaterIsOneAdverb) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann las wenige Tage zuvor das Buch.").text,
              "The man read the book a few days earlier.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Zwei Wochen sp\xE4ter schlief der Hund.").text,
              "Two weeks later the dog slept.");
    // it names a past time: the perfect beside it is the simple past
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Drei Tage sp\xE4ter hat der Hund den Mann gesehen.").text,
              "Three days later the dog saw the man.");
}

TEST(GermanClauseRules, WhatGoesOnNowIsProgressiveButAHabitOrAConditionIsNot) {
    EXPECT_EQ(By("OngoingActivityIsProgressive", "Es regnet."), "It is raining.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Es regnet oft.").text, "It often rains.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund freut sich auf den Garten.").text,
              "The dog is looking forward to the garden.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Wenn es regnet, wartet der Hund.").text,
              "If it rains, the dog waits.");
    // a question asks about now as well; what has gone on up to now has been going on
    EXPECT_EQ(By("OngoingActivityIsProgressive", "Regnet es noch?"), "Is it still raining?");
    EXPECT_EQ(By("OngoingActivityIsProgressive", "Es regnet seit drei Tagen."), "It has been raining for three days.");
}

TEST(GermanWordRules, AMeasureBeforeANounTakesOf) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Er trinkt eine Tasse Kaffee.").text, "He drinks a cup of coffee.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Er trinkt zwei Tassen Kaffee.").text, "He drinks two cups of coffee.");
    // with an article after it the genitive or the object is another matter
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Er sieht die Tasse.").text, "He sees the cup.");
}

TEST(GermanToEnglishReadings, TheEverydaySenseOfTheTableComesBeforeTheDictionarysOrder) {
    // the dictionary lists "pocket" first; table preferred-english names "bag"
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Er sieht die Tasche.").text, "He sees the bag.");
    // and the same table for English words: "postman" is a Brieftr�ger
    EXPECT_EQ(FixtureTranslation(Direction::EnglishToGerman, "He sees the postman.").text, "Er sieht den Brieftr\xE4ger.");
}

TEST(GermanToEnglishReadings, ReportedSpeechAfterAVerbOfSaying) {
    // after a verb and its comma "das" is no relative pronoun
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann sagte, das sei alt.").text, "The man said that was old.");
    // a determiner standing alone is a third person, as a noun would be
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Diese schlafe im Garten.").text, "This slept in the garden.");
    // told in the past: a modal and "werden" too; "er habe" beside its pronoun is reported as well
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann sagte, er k\xF6nne nicht schlafen.").text,
              "The man said he could not sleep.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann sagte, er werde schlafen.").text,
              "The man said he would sleep.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Er habe den Hund gesehen.").text, "He saw the dog.");
}

TEST(GermanToEnglishReadings, ACapitalAdjectiveInsideASentenceNamesSomething) {
    // "Alte" would be the noun "old one"; before a noun after an article it is the name's adjective
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann sieht das Alte Haus.").text, "The man sees the Old House.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Mann sieht das alte Haus.").text, "The man sees the old house.");
}

TEST(GermanClauseRules, SayingToSomeoneIsTelling) {
    EXPECT_EQ(By("SayingToSomeoneIsTelling", "Er sagte dem Mann, dass der Hund schl\xE4" "ft."), "He told the man that the dog sleeps.");
    // a dative after a preposition is no person spoken to
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Er sagte in dem Haus, dass der Hund schl\xE4" "ft.").text,
              "He said in the house that the dog sleeps.");
}

TEST(GermanClauseRules, GovernedPrepositionIsLeftOutWhereTheVerbsEnglishHasOne) {
    EXPECT_EQ(By("GovernedPreposition", "Der Hund verzichtet auf den Garten."), "The dog does without the garden.");
    // "bestehen aus" is a verb of its own with its preposition (consist of, not exist)
    EXPECT_EQ(By("VerbWithItsPrepositionTakesItsSense", "Das Haus besteht aus dem Garten."), "The house consists of the garden.");
}

TEST(GermanReadings, AfterDenAnNDeclensionNounIsSingularUnlessADativePrepositionSaysPlural) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund sieht den Pr\xE4sidenten.").text, "The dog sees the president.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund spielt mit den Pr\xE4sidenten.").text,
              "The dog plays with the presidents.");
}

TEST(GermanClauseRules, NichtsAfterTheVerbIsNoSubjectAndTheNounInFrontIs) {
    EXPECT_EQ(By("SubjectBeforeTheVerb", "Der Hund sah nichts."), "The dog saw nothing.");
    EXPECT_EQ(By("SubjectBeforeTheVerb", "Der Mann sagte etwas."), "The man said something.");
}

TEST(GermanReadings, AnOfficeBeforeANameIsATitleWithACapital) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund sieht Pr\xE4sident Meier.").text, "The dog sees President Meier.");
    // a kin noun is no office
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund sieht Bruder Meier.").text, "The dog sees brother Meier.");
}

TEST(GermanReadings, AberInsideAMainClauseIsButAtItsFront) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund bellt aber im Garten.").text, "But the dog barks in the garden.");
    // between two words it joins them, and a clause with its verb last keeps it
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund ist alt aber leise.").text, "The dog is old but quiet.");
}

TEST(GermanClauseRules, ImperativeIsTheBareVerb) {
    EXPECT_EQ(By("ImperativeIsTheBareVerb", "Lesen Sie das Buch."), "Read the book.");
    EXPECT_EQ(By("ImperativeIsTheBareVerb", "Bitte lesen Sie das Buch nicht."), "Please do not read the book.");
    // the bare stem, and the e-to-i stem of the third person
    EXPECT_EQ(By("ImperativeIsTheBareVerb", "Kauf das Buch!"), "Buy the book!");
    EXPECT_EQ(By("ImperativeIsTheBareVerb", "Sieh den Hund!"), "See the dog!");
    EXPECT_EQ(By("ImperativeIsTheBareVerb", "Seien Sie leise."), "Be quiet.");
    // asked, it is a question
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Lesen Sie das Buch?").text, "Do you read the book?");
}

TEST(GermanClauseRules, VerbAskedForWithWasTakesItsSense) {
    EXPECT_EQ(By("VerbAskedForWithWasTakesItsSense", "Was macht der Hund?"), "What does the dog do?");
    EXPECT_EQ(By("VerbAskedForWithWasTakesItsSense", "Was machst du im Garten?"), "What do you do in the garden?");
    // "was" as the subject, and an object of its own, keep the verb's sense
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Was macht ihn m\xFC" "de?").text, "What makes him tired?");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund macht ein Haus.").text, "The dog makes a house.");
}

TEST(GermanClauseRules, EsVerbTakesItsSense) {
    EXPECT_EQ(By("EsVerbTakesItsSense", "Es hie\xDF im Garten, dass der Hund schl\xE4" "ft."), "It said in the garden that the dog sleeps.");
    // with another subject it tells a name
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund hei\xDFt Rex.").text, "The dog's name is Rex.");
}

TEST(GermanClauseRules, HeissenWithANameIsNameIs) {
    EXPECT_EQ(By("HeissenWithANameIsNameIs", "Ich hei\xDF" "e Tom."), "My name is Tom.");
    EXPECT_EQ(By("HeissenWithANameIsNameIs", "Wie hei\xDF" "t der Hund?"), "What is the dog's name?");
    EXPECT_EQ(By("HeissenWithANameIsNameIs", "Wie hei\xDF" "en Sie?"), "What is your name?");
    EXPECT_EQ(By("HeissenWithANameIsNameIs", "Der Hund hie\xDF Rex."), "The dog's name was Rex.");
    // "es hei\xDFt" says, whatever name the clause holds
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Es hei\xDFt im Garten von Rex, dass der Hund schl\xE4" "ft.").text,
              "It says in the garden of Rex that the dog sleeps.");
}

TEST(GermanReadings, APlaceBothLanguagesSpellAlikeIsANameThatCanBeTheSubject) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Berlin ist eine Stadt.").text, "Berlin is a town.");
    // a place's genitive after "Stadt" says "of" once
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Berlin ist die Stadt Deutschlands.").text, "Berlin is the town of Germany.");
    // two places joined by "und" before the verb are one phrase of the clause
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "In K\xF6ln und Berlin schl\xE4" "ft ein Hund.").text,
              "In Cologne and Berlin a dog sleeps.");
}

TEST(GermanClauseRules, TimeGoesLastLeavesWhatTheSubjectIsAfterSein) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Das war der Tag des Hundes.").text, "That was the day of the dog.");
    EXPECT_EQ(By("TimeGoesLast", "Der Hund schl\xE4" "ft jeden Tag im Garten."), "The dog sleeps in the garden every day.");
}

TEST(GermanClauseRules, ADeterminerWithoutItsNounCanBeTheSubject) {
    // "alle m\xFC" "de": the adjective without an ending is said of "alle"
    EXPECT_EQ(By("TopicThenSubjectThenVerb", "Heute waren alle m\xFC" "de."), "Today all were tired.");
}

TEST(GermanReadings, LangeIsTheAdverbOrBeforeANounTheAdjective) {
    // the ending rule's "ich lange" is no reading after "wir" or a noun
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Wir haben lange gewartet.").text, "We waited for a long time.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund wartet lange.").text, "The dog is waiting for a long time.");
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund sah eine lange Stadt.").text, "The dog saw a long town.");
}

TEST(GermanClauseRules, NounPhrasesJoinedByUndOrOderAreOneSubject) {
    EXPECT_EQ(By("TopicThenSubjectThenVerb", "Heute schlafen der Hund und der Mann."), "Today the dog and the man sleep.");
    EXPECT_EQ(By("SubordinateClauseOrder", "Der Mann sieht, dass der Hund oder die Frau im Garten schlafen."),
              "The man sees that the dog or the woman sleep in the garden.");
}

TEST(GermanReadings, AfterSeinAtTheClausesEndAnAdjectiveIsNoInfinitive) {
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund ist sehr bescheiden.").text, "The dog is very modest.");
    // after a modal it is the verb
    EXPECT_EQ(FixtureTranslation(Direction::GermanToEnglish, "Der Hund will den Mann bescheiden.").text, "The dog wants to notify the man.");
}
