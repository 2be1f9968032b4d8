{ Turns the text of a form into the binary form file the IDE saves: the form stream in
  a 16-bit resource header, or with --raw the stream alone. The form tests read such
  files back and compare the text. }
program form_text_to_binary;

{$mode objfpc}{$H+}

uses
  Classes, SysUtils;

var
  Input, Output: TFileStream;
  Raw: Boolean;
  First: Integer;
begin
  Raw := ParamStr(1) = '--raw';
  if Raw then
    First := 2
  else
    First := 1;
  if ParamCount <> First + 1 then
  begin
    WriteLn(StdErr, 'usage: form_text_to_binary [--raw] TEXT BINARY');
    Halt(2);
  end;
  Input := TFileStream.Create(ParamStr(First), fmOpenRead);
  try
    Output := TFileStream.Create(ParamStr(First + 1), fmCreate);
    try
      if Raw then
        ObjectTextToBinary(Input, Output)
      else
        ObjectTextToResource(Input, Output);
    finally
      Output.Free;
    end;
  finally
    Input.Free;
  end;
end.
