// Whole sentences on the fixture dictionary. Every expected translation was
// written by hand from the sentence, not taken from the engine. Literals are
// compiled in Windows-1252, the engine's own character set.
#include <gtest/gtest.h>

#include "engine/text_1252.h"
#include "tests/engine/engine_test_support.h"

using namespace velloc;

namespace {
std::string GermanToEnglish(const char* sentence, EngineSession* session = nullptr) {
    static EngineSession fixture = OpenFixture(Direction::GermanToEnglish);
    return Translate(session ? *session : fixture, sentence);
}
std::string EnglishToGerman(const char* sentence, EngineSession* session = nullptr) {
    static EngineSession fixture = OpenFixture(Direction::EnglishToGerman);
    return Translate(session ? *session : fixture, sentence);
}
}  // namespace

TEST(GermanToEnglish, SubjectVerbObject) {
    EXPECT_EQ(GermanToEnglish("Der Hund bellt."), "The dog barks.");
    EXPECT_EQ(GermanToEnglish("Die Kinder spielen."), "The children play.");
    EXPECT_EQ(GermanToEnglish("Der alte Mann kaufte ein Buch."), "The old man bought a book.");
}

TEST(GermanToEnglish, ParticipleJoinsItsAuxiliary) {
    EXPECT_EQ(GermanToEnglish("Er hat das Buch gelesen."), "He has read the book.");
    EXPECT_EQ(GermanToEnglish("Er ist nach Hause gegangen."), "He has gone home.");
}

TEST(GermanToEnglish, SeparableParticleJoinsItsVerb) {
    EXPECT_EQ(GermanToEnglish("Er steht auf."), "He gets up.");
}

TEST(GermanToEnglish, NumberWithAFullStopIsAnOrdinalOrADay) {
    EXPECT_EQ(GermanToEnglish("Das Kind kaufte das 3. Buch."), "The child bought the 3rd book.");
    EXPECT_EQ(GermanToEnglish("Der Hund bellt am 11. Tag."), "The dog barks on the 11th day.");
    EXPECT_EQ(GermanToEnglish("Das Kind spielt am 22. Mai."), "The child plays on 22 May.");
    EXPECT_EQ(GermanToEnglish("Er kaufte 3 Bücher."), "He bought 3 books.");
}

TEST(GermanToEnglish, PerfectOfAModalIsItsPastOrItsOwnPerfect) {
    EXPECT_EQ(GermanToEnglish("Er hat das Buch lesen wollen."), "He wanted to read the book.");
    EXPECT_EQ(GermanToEnglish("Das Kind hat nicht spielen können."), "The child could not play.");
    EXPECT_EQ(GermanToEnglish("Er hätte das Buch lesen können."), "He could have read the book.");
    EXPECT_EQ(GermanToEnglish("Er hätte das Buch lesen müssen."), "He would have had to read the book.");
}

TEST(GermanToEnglish, ReportedSpeechInTheThirdPerson) {
    // reported speech tells what was: English shifts it into the past
    EXPECT_EQ(GermanToEnglish("Das Kind spiele im Garten."), "The child played in the garden.");
    EXPECT_EQ(GermanToEnglish("Das Kind habe das Buch gelesen."), "The child read the book.");
    EXPECT_EQ(GermanToEnglish("Ich spiele im Garten."), "I play in the garden.");
}

TEST(GermanToEnglish, MultiWordTerm) {
    EXPECT_EQ(GermanToEnglish("Ich gehe nach Hause."), "I go home.");
    // closed words both, but "Morgen" is written as a noun: this morning, not today tomorrow
    EXPECT_EQ(GermanToEnglish("Der Hund bellte heute Morgen."), "The dog barked this morning.");
}

TEST(GermanToEnglish, VerbFinalSubordinateClause) {
    EXPECT_EQ(GermanToEnglish("Ich sehe, dass er das Buch liest."), "I see that he reads the book.");
}

TEST(GermanToEnglish, NegationTakesDo) {
    EXPECT_EQ(GermanToEnglish("Der Hund bellt nicht."), "The dog does not bark.");
}

TEST(GermanToEnglish, WholeExampleSentence) {
    EXPECT_EQ(GermanToEnglish("Der Hund schläft im Garten."), "The dog is sleeping in the garden.");    // quoted, the example keeps its quotation marks and its closing mark
    EXPECT_EQ(GermanToEnglish("\x84" "Der Hund schläft im Garten.\x93"), "\"The dog is sleeping in the garden.\"");
}

// What a person has is said with the person's possessive; things, quantities and
// a person that a relative clause goes on to describe keep "of".
TEST(GermanToEnglish, APersonsThingsTakeThePossessive) {
    EXPECT_EQ(GermanToEnglish("Der Hund des Mannes schläft."), "The man's dog sleeps.");
    EXPECT_EQ(GermanToEnglish("Ich sehe den Hund der Kinder."), "I see the children's dog.");
    EXPECT_EQ(GermanToEnglish("Das Haus meines Vaters ist alt."), "My father's house is old.");
    EXPECT_EQ(GermanToEnglish("Das Haus der Familie."), "The house of the family.");
    EXPECT_EQ(GermanToEnglish("Einer der Männer schläft."), "One of the men sleeps.");
}

TEST(GermanToEnglish, SubjectAreaChoosesTheSense) {
    EngineSession session = OpenFixture(Direction::GermanToEnglish);
    EXPECT_EQ(GermanToEnglish("Der Zug.", &session), "The train.");
    ASSERT_EQ(session.SetOption("setsa", "chess "), kOptionSet);
    EXPECT_EQ(GermanToEnglish("Der Zug.", &session), "The move.");
    ASSERT_EQ(session.SetOption("setsa", ""), kOptionSet);
    EXPECT_EQ(GermanToEnglish("Der Zug.", &session), "The train.");
}

TEST(GermanToEnglish, UnrecognisedWordsAreReported) {
    EngineSession session = OpenFixture(Direction::GermanToEnglish);
    int atom = 0, type = 0, unknown = 0;
    ASSERT_EQ(session.Translate("Der Hund bellt Xylofant.", &atom, &type, &unknown), 0);
    EXPECT_STREQ(session.StringFromAtom(unknown), "Xylofant");
    ASSERT_EQ(session.Translate("Der Hund bellt.", &atom, &type, &unknown), 0);
    EXPECT_STREQ(session.StringFromAtom(unknown), "0");
    EXPECT_EQ(type, 0);
}

TEST(GermanToEnglish, LetterOptionReadsSieAsYou) {
    EngineSession session = OpenFixture(Direction::GermanToEnglish);
    ASSERT_EQ(session.SetOption("letter", "on"), kOptionSet);
    EXPECT_EQ(GermanToEnglish("Ich sehe Sie.", &session), "I see you.");
    ASSERT_EQ(session.SetOption("letter", "off"), kOptionSet);
    // without it the capital is only the sentence's: "Sie" as an object is them
    EXPECT_EQ(GermanToEnglish("Ich sehe Sie.", &session), "I see them.");
}

TEST(GermanToEnglish, SsMayStandForSharpS) {
    EngineSession session = OpenFixture(Direction::GermanToEnglish);
    EXPECT_EQ(GermanToEnglish("Die Strasse.", &session), "The Strasse.");
    ASSERT_EQ(session.SetOption("sssz", "on"), kOptionSet);
    EXPECT_EQ(GermanToEnglish("Die Strasse.", &session), "The street.");
}

TEST(GermanToEnglish, UserLexiconWinsOverTheDictionary) {
    EngineSession session = OpenFixture(Direction::GermanToEnglish);
    LexiconContent content;
    content.direction = "GtoE";
    content.entries.push_back(LexiconEntry{"Hund", "hound", "noun", ""});
    ASSERT_TRUE(session.UseLexicon(content));
    EXPECT_EQ(GermanToEnglish("Der Hund bellt.", &session), "The hound barks.");
    content.direction = "EtoG";
    EXPECT_FALSE(session.UseLexicon(content));  // the other direction's lexicon is not taken
}

TEST(EnglishToGerman, ArticlesAndAdjectiveEndingsAgree) {
    EXPECT_EQ(EnglishToGerman("The dog barks."), "Der Hund bellt.");
    EXPECT_EQ(EnglishToGerman("The old man sees the house."), "Der alte Mann sieht das Haus.");
    EXPECT_EQ(EnglishToGerman("I buy a new book."), "Ich kaufe ein neues Buch.");
    EXPECT_EQ(EnglishToGerman("The children play."), "Die Kinder spielen.");
}

TEST(EnglishToGerman, AConjunctionWithNothingAfterItEndsTheSentence) {
    // Real text: with NewLine on, "...home because" is cut at the line feed.
    EXPECT_EQ(EnglishToGerman("The dog sleeps because"), "Der Hund schläft, weil");
    EXPECT_EQ(EnglishToGerman("I sleep if"), "Ich schlafe, wenn");
    EXPECT_EQ(EnglishToGerman("because"), "Weil");
    EXPECT_EQ(EnglishToGerman("The dog sleeps because."), "Der Hund schläft, weil.");
    EXPECT_EQ(EnglishToGerman("because,"), "Weil,");
}

TEST(EnglishToGerman, ACollectiveEnglishCountsAsPluralIsOneThingInGerman) {
    EXPECT_EQ(EnglishToGerman("The police sleep."), "Die Polizei schläft.");
}

TEST(EnglishToGerman, NumbersTakeTheGermanPointAndComma) {
    EXPECT_EQ(EnglishToGerman("The man bought 1,500 books."), "Der Mann kaufte 1.500 Bücher.");
    EXPECT_EQ(EnglishToGerman("The dog is 2.5 years old."), "Der Hund ist 2,5 Jahre alt.");
}

TEST(EnglishToGerman, PerfectPutsTheParticipleLast) {
    EXPECT_EQ(EnglishToGerman("I have read the book."), "Ich habe das Buch gelesen.");
}

TEST(EnglishToGerman, HonorificChoosesSie) {
    EngineSession session = OpenFixture(Direction::EnglishToGerman);
    ASSERT_EQ(session.SetOption("honorific", "on"), kOptionSet);
    EXPECT_EQ(EnglishToGerman("I see you.", &session), "Ich sehe Sie.");
    EXPECT_EQ(EnglishToGerman("I give you the book.", &session), "Ich gebe Ihnen das Buch.");
    ASSERT_EQ(session.SetOption("honorific", "off"), kOptionSet);
    EXPECT_EQ(EnglishToGerman("I see you.", &session), "Ich sehe dich.");
    EXPECT_EQ(EnglishToGerman("I give you the book.", &session), "Ich gebe dir das Buch.");
    EXPECT_EQ(EnglishToGerman("I see her.", &session), "Ich sehe sie.");
}

TEST(EnglishToGerman, SsszegWritesSharpSAsSs) {
    EngineSession session = OpenFixture(Direction::EnglishToGerman);
    EXPECT_EQ(EnglishToGerman("The street.", &session), "Die Straße.");
    ASSERT_EQ(session.SetOption("ssszeg", "on"), kOptionSet);
    EXPECT_EQ(EnglishToGerman("The street.", &session), "Die Strasse.");
}

TEST(Translation, PassedDeadlineStopsTheSentence) {
    EngineSession session = OpenFixture(Direction::GermanToEnglish);
    UserLexicon none;
    Translation t = TranslateSentenceText(session.catalogue(), session.options(), none, "Der Hund bellt laut.",
                                          Clock::now() - std::chrono::seconds(1));
    EXPECT_EQ(t.status, Translation::kTimedOut);
}

TEST(GermanToEnglish, DictionaryLinesAndExamplesChooseTheWords) {
    // the usage example beside "Bank" shows the bench, not the money house
    EXPECT_EQ(GermanToEnglish("Die Bank ist alt."), "The bench is old.");
    // "{adj}" after the last synonym makes "klein" an adjective too
    EXPECT_EQ(GermanToEnglish("Das kleine Kind spielt."), "The small child plays.");
    // "to learn sth." is a sense, not an example sentence
    EXPECT_EQ(GermanToEnglish("Das Kind lernt."), "The child learns.");
    // "ich komme" and "du kommst" between the forms do not hide "kam"
    EXPECT_EQ(GermanToEnglish("Der Mann kam."), "The man came.");
    // "teure" is "teuer" with its e dropped before the ending
    EXPECT_EQ(GermanToEnglish("Das teure Haus ist alt."), "The expensive house is old.");
}

TEST(GermanToEnglish, SeinAndSieByTheirPlaceInTheClause) {
    EXPECT_EQ(GermanToEnglish("Er muss alt sein."), "He must be old.");
    EXPECT_EQ(GermanToEnglish("Sie spielen."), "They play.");
    EXPECT_EQ(GermanToEnglish("Sie spielt."), "She plays.");
    EXPECT_EQ(GermanToEnglish("Ich sehe sie."), "I see her.");
}

TEST(EnglishToGerman, NamesQuestionsAndModalInfinitives) {
    EXPECT_EQ(EnglishToGerman("Tom reads a book."), "Tom liest ein Buch.");
    EXPECT_EQ(EnglishToGerman("The man has a house."), "Der Mann hat ein Haus.");
    EXPECT_EQ(EnglishToGerman("Does the man read the book?"), "Liest der Mann das Buch?");
    EXPECT_EQ(EnglishToGerman("Who barks?"), "Wer bellt?");
    EXPECT_EQ(EnglishToGerman("The child wants to sleep."), "Das Kind will schlafen.");
    // "to come" is a term of its own (künftig), but not after a verb of the infinitive
    EXPECT_EQ(EnglishToGerman("The child wants to come."), "Das Kind will kommen.");
    EXPECT_EQ(EnglishToGerman("I see the dog because it barks."), "Ich sehe den Hund, weil es bellt.");
}

TEST(GermanToEnglish, StrongVerbFormsTheDictionaryLeavesOut) {
    // the line of "geben" lists no forms: "gab" and "gibt" come from our own table
    EXPECT_EQ(GermanToEnglish("Der Mann gab dem Kind ein Buch."), "The man gave the child a book.");
    EXPECT_EQ(GermanToEnglish("Es gibt einen Hund."), "There is a dog.");
    EXPECT_EQ(GermanToEnglish("Es gab viele Bücher."), "There were many books.");
    EXPECT_EQ(GermanToEnglish("Gibt es einen Garten?"), "Is there a garden?");
}

TEST(EnglishToGerman, StrongVerbsAndTheDativePronoun) {
    EXPECT_EQ(EnglishToGerman("The man gives me a book."), "Der Mann gibt mir ein Buch.");
    EXPECT_EQ(EnglishToGerman("The man gave him a book."), "Der Mann gab ihm ein Buch.");
}

TEST(GermanToEnglish, APersonsOccupationAfterSeinTakesTheArticle) {
    EXPECT_EQ(GermanToEnglish("Er ist Arzt."), "He is a doctor.");
    EXPECT_EQ(GermanToEnglish("Die Frau wird Ingenieur."), "The woman becomes an engineer.");
    EXPECT_EQ(GermanToEnglish("Sie ist \xC4rztin."), "She is a doctor.");
    EXPECT_EQ(GermanToEnglish("Es ist Winter."), "It is winter.");
    EXPECT_EQ(GermanToEnglish("Der Mann schl\xE4" "ft als Arzt."), "The man sleeps as a doctor.");
}

TEST(GermanToEnglish, ASeparableVerbJoinedInAVerbLastClause) {
    // the weak past joins by its ending, the strong one by its listed form
    EXPECT_EQ(GermanToEnglish("Der Mann sagt, dass der Hund aufstand."), "The man says that the dog got up.");
    EXPECT_EQ(GermanToEnglish("Der Mann sagt, dass der Hund aufsteht."), "The man says that the dog gets up.");
}

TEST(GermanToEnglish, AComparativeAfterImmerGrows) {
    EXPECT_EQ(GermanToEnglish("Der Hund wird immer \xE4lter."), "The dog is getting older and older.");
    EXPECT_EQ(GermanToEnglish("Immer mehr Hunde bellen."), "More and more dogs bark.");
    EXPECT_EQ(GermanToEnglish("Der Hund bellt immer."), "The dog always barks.");
}

TEST(GermanToEnglish, AlsAfterAComparativeAndItsNounIsThan) {
    EXPECT_EQ(GermanToEnglish("Der Mann hat einen \xE4lteren Hund als die Frau."), "The man has an older dog than the woman.");
    EXPECT_EQ(GermanToEnglish("Der Hund ist \xE4lter als die Katze."), "The dog is older than the cat.");
}

TEST(GermanToEnglish, PerfectOfTalkBecomesSimplePast) {
    EXPECT_EQ(GermanToEnglish("Ich habe das Buch gelesen."), "I read the book.");
    EXPECT_EQ(GermanToEnglish("Hast du das Buch gelesen?"), "Did you read the book?");
    // "haben" of its own asks with "do", as it negates with it
    EXPECT_EQ(GermanToEnglish("Hat der Mann einen Hund?"), "Does the man have a dog?");
    EXPECT_EQ(GermanToEnglish("Wer hat einen Hund?"), "Who has a dog?");
    // a time up to now keeps the perfect
    EXPECT_EQ(GermanToEnglish("Ich habe das Buch schon gelesen."), "I have already read the book.");
}

TEST(EnglishToGerman, GenitiveAndThePredicate) {
    EXPECT_EQ(EnglishToGerman("The man reads the book of a child."), "Der Mann liest das Buch eines Kindes.");
    EXPECT_EQ(EnglishToGerman("The garden of the man is beautiful."), "Der Garten des Mannes ist schön.");
    EXPECT_EQ(EnglishToGerman("He is a man."), "Er ist ein Mann.");
    EXPECT_EQ(EnglishToGerman("The house is very old."), "Das Haus ist sehr alt.");
}

TEST(GermanToEnglish, NoArticleBeforeANameLikeNoun) {
    EXPECT_EQ(GermanToEnglish("Am Montag spielt das Kind."), "On Monday the child plays.");
    EXPECT_EQ(GermanToEnglish("Der Montag ist schön."), "Monday is beautiful.");
}

TEST(GermanToEnglish, RelativePronounFollowsItsNoun) {
    // a clause that says which one is meant has no commas in English
    EXPECT_EQ(GermanToEnglish("Der Mann, der dort steht, ist alt."), "The man who stands there is old.");
    EXPECT_EQ(GermanToEnglish("Das Haus, das dort steht, ist alt."), "The house that stands there is old.");
    // one that says more of a name keeps them, and "das" takes up a place or a thing
    EXPECT_EQ(GermanToEnglish("Peter, der alt ist, schl\xE4" "ft."), "Peter, who is old, sleeps.");
    EXPECT_EQ(GermanToEnglish("Berlin, das alt ist, ist gro\xDF."), "Berlin, which is old, is big.");
}

TEST(GermanToEnglish, EnglishSetsNoCommaBeforeAClauseThatFollowsItsMainClause) {
    EXPECT_EQ(GermanToEnglish("Der Hund bellt, weil der Mann schläft."), "The dog barks because the man sleeps.");
    EXPECT_EQ(GermanToEnglish("Weil der Hund bellt, schläft der Mann."), "Because the dog barks, the man sleeps.");
    // what was said follows its verb without one
    EXPECT_EQ(GermanToEnglish("Der Vater sagte, er kommt."), "The father said he comes.");
}

TEST(GermanToEnglish, ATermOfClosedWordsOnlyFromTheTable) {
    EXPECT_EQ(GermanToEnglish("Der Hund ist nach wie vor m\xFC" "de."), "The dog is still tired.");
}

TEST(GermanToEnglish, AListInsideAClauseKeepsTheClauseWhole) {
    // the participle after the list still belongs to "hat"
    EXPECT_EQ(GermanToEnglish("Der Mann hat den Hund, die Katze und das Buch gekauft."),
              "The man has bought the dog, the cat and the book.");
    // "den Garten" after a comma is a list's article, not a relative pronoun
    EXPECT_EQ(GermanToEnglish("Der Vater sagt, dass der Mann den Hund, den Garten und die Katze sieht."),
              "The father says that the man sees the dog, the garden and the cat.");
    // so does a list before the verbs at the end of the clause
    EXPECT_EQ(GermanToEnglish("Der Vater sagt, dass der Mann den Hund und die Katze gesehen hat."),
              "The father says that the man has seen the dog and the cat.");
    // "und" between two adjectives of one noun joins them, not two clauses
    EXPECT_EQ(GermanToEnglish("Der Mann kommt, um die alten und neuen B\xFC" "cher zu lesen."),
              "The man comes to read the old and new books.");
    // a term in quotation marks stays inside its clause
    EXPECT_EQ(GermanToEnglish("Der Mann, der den Hund \"Rex\" sieht, schl\xE4" "ft."),
              "The man who sees the dog \"Rex\" sleeps.");
    // so does a list of quoted terms, commas and all
    EXPECT_EQ(GermanToEnglish("Der Mann, der die Hunde \"Rex\", \"Bello\" und \"Hasso\" sieht, schl\xE4" "ft."),
              "The man who sees the dogs \"Rex\", \"Bello\" and \"Hasso\" sleeps.");
}

TEST(GermanToEnglish, AClauseEndingInAPastPluralThatLooksLikeAParticipleHasItsVerb) {
    // "kritisierten" is also "kritisiert" with an ending; at a relative clause's end it is finite
    EXPECT_EQ(GermanToEnglish("Die M\xE4" "nner, die den Hund kritisierten, kauften das Buch."),
              "The men who criticized the dog bought the book.");
    // the finite form of the participle's own verb, not of a separable verb with that form
    EXPECT_EQ(GermanToEnglish("Der Mann studiert das Buch."), "The man studies the book.");
    // before a noun it is still the participle
    EXPECT_EQ(GermanToEnglish("Der Mann sieht die kritisierten B\xFC" "cher."), "The man sees the criticized books.");
}

TEST(GermanToEnglish, TwoNounsInARowAreTwoPhrases) {
    // the subject ends at its noun, and the object after it keeps its place in English
    EXPECT_EQ(GermanToEnglish("Liest dein Vater B\xFC" "cher?"), "Does your father read books?");
}

TEST(GermanToEnglish, AMasculineNounAfterDieIsPlural) {
    // "Lehrer" is either number; after "die" or "meine" only the plural fits a masculine noun
    EXPECT_EQ(GermanToEnglish("Die Lehrer hat der Hund gesehen."), "The dog has seen the teachers.");
    EXPECT_EQ(GermanToEnglish("Der Hund sieht meine Lehrer."), "The dog sees my teachers.");
    // past every adjective between them
    EXPECT_EQ(GermanToEnglish("Der Hund sieht die alten neuen Lehrer."), "The dog sees the old new teachers.");
    EXPECT_EQ(GermanToEnglish("Der Hund sieht den Lehrer."), "The dog sees the teacher.");
}

TEST(GermanToEnglish, WordsThatLookLikeAVerbOrARelativePronoun) {
    // "wahre" before a noun is the adjective, not "wahren"
    EXPECT_EQ(GermanToEnglish("Und wahre Hunde schlafen."), "And true dogs sleep.");
    EXPECT_EQ(GermanToEnglish("Ich wahre den Garten."), "I protect the garden.");
    // "das" before a zu-infinitive is its object
    EXPECT_EQ(GermanToEnglish("Der Mann versucht, das zu lesen."), "The man tries to read that.");
}

TEST(GermanToEnglish, DaOpeningAVerbLastClauseGivesAReason) {
    EXPECT_EQ(GermanToEnglish("Der Hund schläft, da der Mann liest."), "The dog sleeps, as the man reads.");
    // with the verb second it is still a place or a time
    EXPECT_EQ(GermanToEnglish("Da schläft der Hund."), "There the dog sleeps.");
}

TEST(GermanToEnglish, TitlesNumberWordsAndTheClock) {
    EXPECT_EQ(GermanToEnglish("Frau Weber kommt."), "Ms Weber comes.");
    // "Herrn" is one person, not the plural of Mr
    EXPECT_EQ(GermanToEnglish("Der Vater sieht Herrn Weber."), "The father sees Mr Weber.");
    EXPECT_EQ(GermanToEnglish("Die Frau sieht den Mann."), "The woman sees the man.");
    // after a possessive a spouse, even before a name
    EXPECT_EQ(GermanToEnglish("Meine Frau Weber sieht ihren Mann."), "My wife Weber sees her husband.");
    EXPECT_EQ(GermanToEnglish("Der Vater sieht niemanden."), "The father sees nobody.");
    // "sieben" is seven before it is to sieve; a clock after a number is o'clock
    EXPECT_EQ(GermanToEnglish("Der Vater sieht sieben Kinder."), "The father sees seven children.");
    EXPECT_EQ(GermanToEnglish("Um zehn Uhr kommt der Vater."), "At ten o'clock the father comes.");
    EXPECT_EQ(GermanToEnglish("Die Uhr ist alt."), "The clock is old.");
}

TEST(EnglishToGerman, ObjectPronounsTitlesAndWeakNouns) {
    EXPECT_EQ(EnglishToGerman("I see her."), "Ich sehe sie.");
    EXPECT_EQ(EnglishToGerman("I see her dog."), "Ich sehe ihren Hund.");
    EXPECT_EQ(EnglishToGerman("I see the neighbour."), "Ich sehe den Nachbarn.");
    EXPECT_EQ(EnglishToGerman("The house of the neighbour is old."), "Das Haus des Nachbarn ist alt.");
    EXPECT_EQ(EnglishToGerman("I see Mr Weber."), "Ich sehe Herrn Weber.");
    EXPECT_EQ(EnglishToGerman("Mrs Weber reads a book."), "Frau Weber liest ein Buch.");
}

TEST(EnglishToGerman, VerbsOfTheDativeAndNounsThatEndLikeWeakOnes) {
    EXPECT_EQ(EnglishToGerman("The man helps the children."), "Der Mann hilft den Kindern.");
    EXPECT_EQ(EnglishToGerman("The man helps me."), "Der Mann hilft mir.");
    EXPECT_EQ(EnglishToGerman("The man sees the children."), "Der Mann sieht die Kinder.");
    // "Kaffee" ends in -e but is no weak noun: "den Kaffee", never "den Kaffeen"
    EXPECT_EQ(EnglishToGerman("I drink the coffee."), "Ich trinke den Kaffee.");
}

TEST(EnglishToGerman, APossessiveSBecomesAGenitive) {
    EXPECT_EQ(EnglishToGerman("The man's dog sleeps."), "Der Hund des Mannes schläft.");
    EXPECT_EQ(EnglishToGerman("I see the child's new book."), "Ich sehe das neue Buch des Kindes.");
    EXPECT_EQ(EnglishToGerman("Tom's dog sleeps."), "Toms Hund schläft.");
    // after a pronoun "'s" is "is"
    EXPECT_EQ(EnglishToGerman("It's old."), "Es ist alt.");
}

TEST(EnglishToGerman, AnAdverbInFrontKeepsTheVerbSecond) {
    // the adverb was lost before: "Yesterday I met Anna" came out without "gestern"
    EXPECT_EQ(EnglishToGerman("Today the dog sleeps."), "Heute schläft der Hund.");
    EXPECT_EQ(EnglishToGerman("Yesterday I saw the dog."), "Gestern sah ich den Hund.");
    EXPECT_EQ(EnglishToGerman("The dog sleeps today."), "Der Hund schläft heute.");
}

TEST(GermanToEnglish, TheSecondPersonOfAVerbWhoseVowelChanges) {
    // the dictionary lists "schläft" only; "schläfst" is its second person
    EXPECT_EQ(GermanToEnglish("Du schl\xE4" "fst im Garten."), "You sleep in the garden.");
}

TEST(GermanToEnglish, AnAdjectiveWithErBeforeNoNounIsTheComparative) {
    EXPECT_EQ(GermanToEnglish("Der Hund ist leiser als der Mann."), "The dog is quieter than the man.");
    // before its noun -er is the ending
    EXPECT_EQ(GermanToEnglish("Ein leiser Hund schl\xE4" "ft."), "A quiet dog sleeps.");
    // also where the dictionary records "sch\xF6ner" as the comparative
    EXPECT_EQ(GermanToEnglish("Ein sch\xF6ner Hund schl\xE4" "ft."), "A beautiful dog sleeps.");
    EXPECT_EQ(GermanToEnglish("Der Hund ist sch\xF6ner."), "The dog is more beautiful.");
}

TEST(GermanToEnglish, ATermEndingInAnInfinitiveIsTheModalsVerb) {
    EXPECT_EQ(GermanToEnglish("Der Mann musste fr\xFCh ins Bett gehen."), "The man had to keep early hours.");
}
