# Compresses a file at build time as Debian installs manual pages and changelogs: gzip -9 without a
# name or time stamp, so that the same source gives the same bytes.
function(marlowen_gzip source output)
  add_custom_command(OUTPUT ${output}
      COMMAND gzip -9nc ${source} > ${output}
      DEPENDS ${source}
      COMMENT "Compressing ${output}")
endfunction()
