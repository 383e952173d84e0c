# The conversion that an engineer would otherwise write: the table-filling
# statements for every well-formed signal-group and detector define, with the
# same header comments, closing line and CR LF line ends. No diagnostics, no
# checks beyond the shape of a line.
#   awk -f convert.awk kruisdef.h >> conv.c
BEGIN {
    ORS = "\r\n"
    rule = " /* ---------------------------- */"
}
{ sub(/\r$/, "") }
$1 == "#define" && $2 ~ /^SG[0-9][0-9][0-9]?$/ && $3 ~ /^[0-9]+$/ {
    if (!sgHeader) { print ""; print ""; print "/* Vul signaalgroep conversie tabel */"; print rule; print ""; sgHeader = 1 }
    print "   convSGItoSGN[" ($3 + 0) "] = " (substr($2, 3) + 0) ";"
    next
}
$1 == "#define" && $2 ~ /^SG[0-9][0-9][0-9]?_[0-9][0-9]?$/ && $3 ~ /^[0-9]+$/ {
    if (!dtHeader) { print ""; print ""; print " /* Vul detector conversie tabel */"; print rule; print ""; dtHeader = 1 }
    split(substr($2, 3), part, "_")
    print "   convDTItoSGN[" ($3 + 0) "] = " (part[1] + 0) ";"
    print "   convDTItoDTN[" ($3 + 0) "] = " (part[2] + 0) ";"
}
END {
    print "}                                                     /* convFillTables */"
    print ""
}
