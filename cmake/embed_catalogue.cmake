# Writes OUT, a C++ source holding the catalogue IN as text, so that the
# Qt-free programs carry the same translations as the Qt window layer.
# NAME: the array's name (kEnglishCatalogue unless given).
if(NOT NAME)
  set(NAME kEnglishCatalogue)
endif()
file(READ "${IN}" content)
file(WRITE "${OUT}.tmp"
     "// Generated from ${IN} at build time.\n"
     "namespace travik::i18n {\n"
     "extern const char ${NAME}[];\n"
     "const char ${NAME}[] = R\"travik_ts(${content})travik_ts\";\n"
     "}  // namespace travik::i18n\n")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
