# Run by CPack on the staged files, before they are packed: signs the staged
# programs (the installer and mariadb-kit.exe) with Authenticode (SHA-256) when scripts/package.sh asks for it, with
# the key of a PKCS#12 file (INSTALLER_SIGN_PFX) or with a key on a token
# through its PKCS#11 module (INSTALLER_SIGN_PKCS11_MODULE, the certificate
# INSTALLER_SIGN_CERT and the key's URI INSTALLER_SIGN_KEY). The password or PIN
# is read from the file INSTALLER_SIGN_PASSFILE, so it never stands on a command
# line; INSTALLER_SIGN_TIMESTAMP names an optional RFC 3161 timestamp server.
# The build tree's program stays unsigned.
if(DEFINED ENV{INSTALLER_SIGN_PFX})
  set(signer -pkcs12 "$ENV{INSTALLER_SIGN_PFX}")
elseif(DEFINED ENV{INSTALLER_SIGN_PKCS11_MODULE})
  # A PKCS#11 URI separates its attributes with semicolons: kept in one argument.
  string(REPLACE ";" "\\;" key "$ENV{INSTALLER_SIGN_KEY}")
  set(signer -pkcs11module "$ENV{INSTALLER_SIGN_PKCS11_MODULE}" -certs "$ENV{INSTALLER_SIGN_CERT}"
             -key "${key}")
else()
  return()
endif()
set(programs)
foreach(name mariadb-installer.exe mariadb-kit.exe)
  file(GLOB_RECURSE staged "${CPACK_TEMPORARY_DIRECTORY}/${name}")
  if(NOT staged)
    message(FATAL_ERROR "sign: no staged ${name} below ${CPACK_TEMPORARY_DIRECTORY}")
  endif()
  list(APPEND programs ${staged})
endforeach()
set(timestamp)
if(DEFINED ENV{INSTALLER_SIGN_TIMESTAMP} AND NOT "$ENV{INSTALLER_SIGN_TIMESTAMP}" STREQUAL "")
  set(timestamp -ts "$ENV{INSTALLER_SIGN_TIMESTAMP}")
endif()
foreach(program IN LISTS programs)
  execute_process(
    COMMAND osslsigncode sign ${signer} -readpass "$ENV{INSTALLER_SIGN_PASSFILE}" -h sha256
            -n "${CPACK_INSTALLER_DISPLAY_NAME}" ${timestamp} -in "${program}" -out "${program}.signed"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    file(REMOVE "${program}.signed")
    message(FATAL_ERROR "sign: osslsigncode failed for ${program}:\n${output}")
  endif()
  file(RENAME "${program}.signed" "${program}")
  message(STATUS "signed: ${program}")
endforeach()
