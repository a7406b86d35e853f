# Joins the UTF-8 tables zh.txt and en.txt of DIR with CR LF and writes them
# to OUT as UTF-16LE with a byte-order mark:
#   cmake -DOUT=file -DDIR=folder -P make-table.cmake
set(joined "")
foreach(t zh.txt en.txt)
  file(READ ${DIR}/${t} part)
  string(APPEND joined "${part}")
endforeach()
string(REPLACE "\r\n" "\n" joined "${joined}")
string(REPLACE "\n" "\r\n" joined "${joined}")
file(WRITE ${OUT}.utf8 "${joined}")
execute_process(COMMAND iconv -f UTF-8 -t UTF-16LE ${OUT}.utf8 -o ${OUT}.body RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "iconv failed on the language tables")
endif()
execute_process(COMMAND sh -c "printf '\\377\\376' > \"$0\" && cat \"$0.body\" >> \"$0\"" ${OUT}
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "could not write ${OUT}")
endif()
file(REMOVE ${OUT}.utf8 ${OUT}.body)
