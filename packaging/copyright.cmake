# Writes the package's copyright file in Debian's machine-readable format.
# The program's terms are the licence agreement at the end of the help text,
# so they are taken from there (with the program's name filled in) and can
# never differ from what the help window shows.
#   HELP_TEXT   the help text with the agreement
#   OUTPUT      the copyright file to write
#   HOME_PAGE   where the program comes from
file(READ "${HELP_TEXT}" help)
string(FIND "${help}" "[Your Software Name] License Agreement" start)
if(start EQUAL -1)
    message(FATAL_ERROR "the help text holds no licence agreement")
endif()
string(SUBSTRING "${help}" ${start} -1 agreement)
string(REPLACE "[Your Software Name]" "Hushmere" agreement "${agreement}")
string(STRIP "${agreement}" agreement)
# In the copyright format a licence's text is indented by one blank and an
# empty line is written as " .".
string(REPLACE "\n" "\n " agreement "${agreement}")
string(REPLACE "\n \n" "\n .\n" agreement "${agreement}")
string(REPLACE "\n \n" "\n .\n" agreement "${agreement}")
file(WRITE "${OUTPUT}"
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Hushmere
Source: ${HOME_PAGE}

Files: *
Copyright: 2026 The Hushmere developers
License: Hushmere

License: Hushmere
 ${agreement}
")
