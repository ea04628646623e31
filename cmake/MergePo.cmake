# cmake -DMSGMERGE=... -DPOT=<template> "-DPO_FILES=<a.po;b.po>" -P MergePo.cmake
# Brings every .po file up to date with the template: new texts come in untranslated, texts
# gone from the sources stay behind as obsolete (#~) for their translators to reuse.
foreach(po IN LISTS PO_FILES)
    execute_process(COMMAND ${MSGMERGE} --quiet --update --backup=none --no-location ${po} ${POT}
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
