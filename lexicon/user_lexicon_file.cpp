// placeholder: the user-lexicon file format
