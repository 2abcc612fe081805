# `cmake --install` (any prefix, and DESTDIR): the programs in bin/, their data in
# share/hm3300d/, where the programs look for it beside share/ (src/places/program_files.h).
# The desktop files install from desktop/.
install(TARGETS hm3300d hm3300d-cli hm3300d-vradio RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${HM3300_LANGUAGE_PACKS} ${HM3300_USER_GUIDE}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/hm3300d)
install(FILES samples/sample.p46 samples/sample.img
        DESTINATION ${CMAKE_INSTALL_DATADIR}/hm3300d/samples)
